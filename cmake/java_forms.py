"""The Java forms of the exported operations, for gen_exports.py.

Every operation gets one of four Java forms:

  none       no Java form (`java=none` in its declaration, or named on a
             `none` line of the Java form table)
  scalar     every argument is i32 or u8 (and no `java=custom`): the JNI
             function is generated (jni_scalar.cpp)
  generated  the Java arguments stand one for one for the operation's: i32
             int, u8 byte, str String, buf byte[N]. An operation whose
             arguments are all i32, u8 or str gets this form without a table
             entry; byte[] forms need one (for N). The JNI function is
             generated (jni_forms.cpp): it refuses null references with 8,
             refuses an array shorter than N with 128 + its position, pins the
             strings and arrays, calls the operation and releases.
  custom     the Java arguments repack the operation's (int[] out-values,
             StringBuffer texts): a table entry gives the Java arguments and
             the bridge function is hand-written in src/jni/ as
                 jint varanda::jni::Name(JNIEnv*, JavaClass, <JNI arguments>)
             declared in the generated jni_custom.h. The exported functions of
             both classes forward to it (jni_forms.cpp).

An operation that needs a table entry and has none gets no Java form; the
generator names it on standard error.

Java form table (src/jni/java_forms.txt), one entry a line, `#` comments:

  none Name [Name ...]
  form Name(<java arguments>) [custom]
      Optional indented lines: what the Java form adds to the operation's
      description (they go into the Java classes).

Java argument types: int, byte, String, StringBuffer, byte[N], int[N]
(N, optional for custom forms, the least length the operation needs).
An entry may name an operation that is not declared yet: `none` entries are
kept for it; `form` entries are an error, since their bridge functions
could not be checked.
"""
import re
import sys

import gen_text

JAVA_CLASSES = [  # (JNI class part, Java package or None, JavaClass enumerator)
    ("Varanda", None, "kVaranda"),
    ("com_melbrosa_Varanda", "com.melbrosa", "kMelbrosa"),
]

JAVA_TYPES = {  # Java type: (JNI type, C++ pin helper or None)
    "int": ("jint", None),
    "byte": ("jbyte", None),
    "String": ("jstring", "PinnedString"),
    "StringBuffer": ("jobject", None),
    "byte[]": ("jbyteArray", "PinnedBytes"),
    "int[]": ("jintArray", "PinnedInts"),
}
# The Java type that stands for each operation argument type in a generated form.
ONE_FOR_ONE = {"i32": "int", "u8": "byte", "str": "String", "buf": "byte[]"}
JAVA_KEYWORDS = set("""abstract assert boolean break byte case catch char class const continue default
do double else enum extends final finally float for goto if implements import instanceof int interface
long native new package private protected public return short static strictfp super switch synchronized
this throw throws transient try void volatile while true false null var record yield""".split())

FORM_RE = re.compile(r"^form\s+(\w+)\s*\((.*)\)\s*(custom)?\s*$")
PARAM_RE = re.compile(r"^(int|byte|String|StringBuffer)(?:(\[\])|\[(\d+)\])?\s+(\w+)$")


class JavaParam:
    def __init__(self, jtype, size, name):
        self.jtype = jtype  # a key of JAVA_TYPES
        self.size = size    # least length of an array, or None
        self.name = name

    @property
    def jni(self):
        return JAVA_TYPES[self.jtype][0]

    @property
    def is_ref(self):
        return self.jni != "jint" and self.jni != "jbyte"

    @property
    def java_name(self):
        return self.name + "_" if self.name in JAVA_KEYWORDS else self.name


class Table:
    def __init__(self):
        self.none = set()
        self.forms = {}  # name: (params, custom, doc, where)


class JavaForm:
    def __init__(self, op, kind, params, doc=()):
        self.op = op
        self.kind = kind      # scalar | generated | custom
        self.params = params  # [JavaParam]
        self.doc = list(doc)

    def method(self, cls):
        """The method name in JNI class part `cls`."""
        if cls == "Varanda":
            return self.op.attrs.get("jname", self.op.name)
        return self.op.name

    def stack_bytes(self):
        """Bytes of arguments on the 32-bit stack: the JNIEnv pointer, the
        class reference and 4 for each Java argument."""
        return 8 + 4 * len(self.params)


def _param(text, where):
    m = PARAM_RE.match(text.strip())
    if not m:
        sys.exit(f"{where}: bad Java argument '{text.strip()}'")
    base, empty, size, name = m.groups()
    is_array = empty is not None or size is not None
    if is_array and base not in ("byte", "int"):
        sys.exit(f"{where}: only byte[] and int[] arrays are known")
    return JavaParam(base + "[]" if is_array else base, int(size) if size else None, name)


def parse_table(path):
    table = Table()
    if path is None:
        return table
    current = None
    for _, where, line in gen_text.declaration_lines(path):
        if line[0].isspace():
            if current is None:
                sys.exit(f"{where}: description line without a form")
            current[2].append(line.strip())
            continue
        current = None
        if line.startswith("none "):
            table.none.update(line.split()[1:])
            continue
        m = FORM_RE.match(line.strip())
        if not m:
            sys.exit(f"{where}: cannot read entry")
        name, plist, custom = m.groups()
        if name in table.forms:
            sys.exit(f"{where}: {name} has a Java form already")
        params = [_param(p, where) for p in plist.split(",") if p.strip()]
        current = (params, custom is not None, [], where)
        table.forms[name] = current
    both = table.none & set(table.forms)
    if both:
        sys.exit(f"{path}: both none and a form: {', '.join(sorted(both))}")
    return table


def _check_one_for_one(op, params, where):
    if len(params) != len(op.params):
        sys.exit(f"{where}: {op.name} takes {len(op.params)} arguments, the Java form {len(params)}")
    for (t, _), p in zip(op.params, params):
        if ONE_FOR_ONE.get(t) != p.jtype:
            sys.exit(f"{where}: {op.name}: Java {p.jtype} cannot stand for {t} (mark the form custom)")
        if p.jtype == "byte[]" and p.size is None:
            sys.exit(f"{where}: {op.name}: byte[] needs its least length, byte[N]")


def resolve(ops, table):
    """(forms, missing): the Java form of every operation that has one, and
    the operations that need a table entry and have none."""
    forms, missing = [], []
    declared = {o.name for o in ops}
    unknown = sorted(set(table.forms) - declared)
    if unknown:
        sys.exit(f"Java forms for undeclared operations: {', '.join(unknown)}")
    for o in ops:
        attr = o.attrs.get("java")
        entry = table.forms.get(o.name)
        if attr == "none" or o.name in table.none:
            if entry:
                sys.exit(f"{entry[3]}: {o.name} is declared without a Java form")
            continue
        scalar = all(t in ("i32", "u8") for t, _ in o.params)
        if attr == "scalar" and (entry or not scalar):
            sys.exit(f"{o.where}: {o.name} is not a scalar operation")
        if entry:
            params, custom, doc, where = entry
            if not custom:
                _check_one_for_one(o, params, where)
            forms.append(JavaForm(o, "custom" if custom else "generated", params, doc))
        elif scalar:
            # `java=custom` on an int-only operation: its Java form repacks
            # (int[] for its values) and needs a table entry.
            if attr == "custom":
                missing.append(o)
            else:
                forms.append(JavaForm(o, "scalar", [JavaParam(ONE_FOR_ONE[t], None, n) for t, n in o.params]))
        elif all(t in ("i32", "u8", "str") for t, _ in o.params):
            forms.append(JavaForm(o, "generated", [JavaParam(ONE_FOR_ONE[t], None, n) for t, n in o.params]))
        else:
            missing.append(o)
    return forms, missing


def jni_functions(forms):
    """(exported JNI name, form) for both classes."""
    for form in forms:
        for cls, _, _ in JAVA_CLASSES:
            yield f"Java_{cls}_{form.method(cls)}", form


# --- jni_forms.cpp and jni_custom.h --------------------------------------------

def _result(op, call):
    """The statement that runs `call` (a facade operation call on `f`) under
    the process lock and guard, and returns the JNI result."""
    if op.result == "void":
        return f"varanda::jni::call_void([&](varanda::ApiFacade& f) {{ {call}; }})"
    ctype = "uint8_t" if op.result == "code" else "int32_t"
    return f"varanda::jni::call_op<{ctype}>({op.on_error}, [&](varanda::ApiFacade& f) {{ return {call}; }})"


def _generated_body(form):
    op = form.op
    refs = [p for p in form.params if p.is_ref]
    lines = []
    if refs:
        nulls = " || ".join(f"a_{p.name} == nullptr" for p in refs)
        lines.append(f"    if ({nulls}) return varanda::jni::kRefused;\n")
        for k, p in enumerate(form.params):
            if p.jtype == "byte[]" and p.size:
                lines.append(f"    if (jint r = varanda::jni::refuse_short(env, a_{p.name}, {p.size}, {k})) return r;\n")
        for p in refs:
            size = f", {p.size}" if p.jtype == "byte[]" else ""
            lines.append(f"    const varanda::jni::{JAVA_TYPES[p.jtype][1]} pin_{p.name}(env, a_{p.name}{size});\n")
        ok = " || ".join(f"!pin_{p.name}" for p in refs)
        lines.append(f"    if ({ok}) return varanda::jni::kRefused;\n")
    args = []
    for (t, _), p in zip(op.params, form.params):
        if t == "u8":
            args.append(f"static_cast<uint8_t>(a_{p.name})")
        elif p.is_ref:
            args.append(f"pin_{p.name}.get()")
        else:
            args.append(f"a_{p.name}")
    call = f"varanda::via::{op.name}(f{', ' if args else ''}{', '.join(args)})"
    ret = f"return {_result(op, call)};\n"
    if any(p.jtype == "byte[]" for p in refs):
        # Native functions with arrays keep every exception inside.
        return _kept_inside(lines + [f"    {ret}"])
    return "".join(lines + [f"    {ret}"])


def _kept_inside(lines):
    """lines in a try block that turns every exception into a refusal."""
    return "".join(["    try {\n"] + ["    " + x for x in lines]
                   + ["    } catch (...) {\n        return varanda::jni::kRefused;\n    }\n"])


def _forwarded_body(form, enum):
    """A custom form: the hand-written function, with every exception kept inside."""
    args = "".join(f", a_{p.name}" for p in form.params)
    return _kept_inside([f"    return varanda::jni::{form.op.name}(env, varanda::jni::JavaClass::{enum}{args});\n"])


def _jni_function(cls, enum, form):
    params = "".join(f", {p.jni} a_{p.name}" for p in form.params)
    body = _generated_body(form) if form.kind == "generated" else _forwarded_body(form, enum)
    return (f"VARANDA_EXPORT JNIEXPORT jint JNICALL Java_{cls}_{form.method(cls)}(JNIEnv* env, jclass{params}) {{\n"
            + body + "}\n")


def gen_jni_forms_cpp(forms):
    return gen_text.cpp_file(
        "the JNI functions of the operations whose Java form has\n"
        "strings, arrays or repacked results. Generated forms pin, call and\n"
        "release here; custom forms forward to their hand-written function.",
        '#include <jni.h>\n\n#include "jni/bridge.h"\n#include "jni_custom.h"\n#include "facade_calls.h"\n\nextern "C" {\n',
        [_jni_function(cls, enum, f) for cls, _, enum in JAVA_CLASSES for f in forms if f.kind != "scalar"], "}\n")


def gen_jni_custom_h(forms):
    def declaration(form):
        params = "".join(f", {p.jni} {p.name}" for p in form.params)
        return f"jint {form.op.name}(JNIEnv* env, JavaClass cls{params});\n"
    return gen_text.cpp_file(
        "the hand-written bridge functions (src/jni/), one per\n"
        "operation whose Java form repacks its arguments. Each returns the\n"
        "Java result: the operation's code zero-extended, its 32-bit result,\nor 8 when a reference is refused.",
        '#pragma once\n#include <jni.h>\n\n#include "jni/java_class.h"\n\nnamespace varanda::jni {\n',
        [declaration(f) for f in forms if f.kind == "custom"], "}  // namespace varanda::jni\n")


def _javadoc(lines, indent="    "):
    text = [ln.replace("*/", "*&#47;") for ln in lines]
    if len(text) == 1:
        return f"{indent}/** {text[0]} */\n"
    return f"{indent}/**\n" + "".join(f"{indent} * {ln}\n" for ln in text) + f"{indent} */\n"


CLASS_DOC = [
    "The Varanda SDK for Java hosts: one static native method for each operation",
    "of the library that has a Java form. Each method returns the operation's",
    "code (0 to 255) unless its description gives another result. A null String,",
    "array or StringBuffer gives 8, an array shorter than the operation needs",
    "128 + its position among the arguments (counted from 0), with nothing sent;",
    "no method throws. Texts go to the terminal as ISO-8859-1 (a character",
    "outside it as '?') and come back from it the same way.",
]


def gen_java_class(forms, cls):
    package = next(p for c, p, _ in JAVA_CLASSES if c == cls)
    out = ["// Generated from the operation lists of the Varanda SDK (src/*/*.ops and\n",
           "// src/jni/java_forms.txt) when the SDK is built; do not edit.\n"]
    if package:
        out.append(f"package {package};\n")
    out.append("\n" + _javadoc(CLASS_DOC, ""))
    out.append("public class Varanda {\n")
    out.append("    static {\n")
    out.append('        System.loadLibrary(System.getProperty("os.name", "").startsWith("Windows") '
               '? "Varanda" : "varanda");\n')
    out.append("    }\n")
    for form in sorted(forms, key=lambda f: f.method(cls)):
        doc = list(form.op.doc) + form.doc
        sized = [f"{p.java_name}: at least {p.size} element{'s' if p.size > 1 else ''}"
                 for p in form.params if p.size]
        if sized:
            doc.append("Arrays: " + "; ".join(sized) + ".")
        params = ", ".join(f"{p.jtype} {p.java_name}" for p in form.params)
        out.append("\n" + _javadoc(doc))
        out.append(f"    public static native int {form.method(cls)}({params});\n")
    out.append("}\n")
    return "".join(out)


def java_class_paths(java_dir):
    """(JNI class part, path of its source under java_dir)."""
    import os
    for cls, package, _ in JAVA_CLASSES:
        parts = package.split(".") if package else []
        yield cls, os.path.join(java_dir, *parts, "Varanda.java")
