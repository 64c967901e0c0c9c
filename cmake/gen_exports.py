#!/usr/bin/env python3
"""Generates every form of the export surface from the operation lists.

Each exported operation is declared once, in a `*.ops` file of its subsystem
folder under src/.  From those declarations this script writes:

  include/varanda.h          public C header (written only when it changes)
  <out>/varanda.def          Windows module definition (undecorated names)
  <out>/varanda_host.def     the operations as a host links them (the source
                             of the import library Varanda.lib)
  <out>/varanda.map          Linux export map
  <out>/varanda_ops.h        C++ declarations of the operations, each with the
                             state its declaration names (uses=...)
  <out>/facade_calls.h       each operation called on the facade (varanda::via)
  <out>/exports.cpp          the exported wrappers (guard + lock + forward)
  <out>/api_table.h          a table of typed function pointers, for test hosts
  <out>/sweep_table.h        every operation's arguments, area sizes and
                             documented codes, for the sweep test (gen_sweep.py)
  <out>/jni_scalar.cpp       the JNI functions of the scalar operations
  <out>/operations.txt       the operation names, one a line
  <out>/jni_forms.cpp        the JNI functions of the string, array and
                             custom Java forms (see java_forms.py)
  <out>/jni_custom.h         the hand-written bridge functions they call
  <java>/Varanda.java, <java>/com/melbrosa/Varanda.java
                             the two Java classes (with --java; written only
                             when they change)
  <docs>/*.md                the reference pages, one per family and an index
                             (with --docs; see gen_docs.py)

Declaration syntax: a family line first, then the operations (doc lines
indented below each):

  family ORDER[.RANK] slug Title of the family
  op Name(type name, ...) -> result [key=value ...]
      One or two lines saying what it does and its codes.
      @arg name  the argument's range or meaning (reference pages only)
      @note      a further paragraph (reference pages only)
      @code N    a code the operation gives a meaning of its own (reference
                 pages and include/varanda_codes.h, see gen_codes.py)

The header and the reference pages list the families by ORDER (several files
may share a family, listed by RANK); an operation's doc lines go into the header, its @ lines
only into the reference pages (docs/api/, see gen_docs.py).

types:   i32 u8 str buf out_u8 out_u16 out_i32 out_str  (see TYPES); a buf or
         out_str argument gives the bytes its area has: buf record[128]
results: code (uint8_t, 8 on an exception), i32 (int32_t, on_error or -1),
         void
keys:    java=scalar|custom|none  (default: scalar when every argument is
                                   i32 or u8, custom otherwise)
         on_error=N               value returned when an exception escapes
         jname=Name               the method name in class Varanda, where it
                                   differs
         sends=N,N  reads=N,N     the terminal command codes it sends and the
                                   answers it reads (an exchange)
         uses=a,b                 the state the operation is handed, in this
                                   order (see STATE): the connection, its own
                                   family's blocks, the settings view; the
                                   facade passes nothing else
         kind=port|local          opens or closes the port / reads prepared
                                   state or shows a message; without it an
                                   operation with sends or reads is an exchange,
                                   one without a setter

The Java forms of operations with other than i32 and u8 arguments are
described in java_forms.py; the table src/jni/java_forms.txt declares those
that cannot be derived from the declaration.
"""
import argparse
import glob
import os
import re
import sys

import gen_codes
import gen_docs
import gen_python
import gen_csharp
import gen_sweep
import gen_text
import java_forms

TYPES = {
    # name: (C type, JNI type or None)
    "i32": ("int32_t", "jint"),
    "u8": ("uint8_t", "jbyte"),
    "str": ("const char*", None),
    "buf": ("uint8_t*", None),
    "out_u8": ("uint8_t*", None),
    "out_u16": ("uint16_t*", None),
    "out_i32": ("int32_t*", None),
    "out_str": ("char*", None),
}
# The state an operation may be handed (uses=...): the parameter's type, its
# header, and how the facade gives it. The order is the parameters' order.
STATE = {
    "connection": ("ConnectionManager&", "class ConnectionManager", "f.connection()"),
    "bio_id_form": ("BioIdForm&", "struct BioIdForm", "f.bio_id_form"),
    "card_pattern": ("CardPattern&", "struct CardPattern", "f.card_pattern"),
    "sirens": ("SirenTable&", "struct SirenTable", "f.sirens"),
    "tlm": ("TlmBuffer&", "struct TlmBuffer", "f.tlm"),
    "change_events": ("ChangeEventBlock&", "struct ChangeEventBlock", "f.change_events"),
    "config": ("ConfigurationRecord&", "struct ConfigurationRecord", "f.config"),
    "online_offline": ("OnlineOfflineChangeBlock&", "struct OnlineOfflineChangeBlock", "f.online_offline"),
    "function_keys": ("FunctionKeyBlock&", "struct FunctionKeyBlock", "f.function_keys"),
    "access_schedules": ("AccessScheduleTable&", "struct AccessScheduleTable", "f.access_schedules"),
    "access_list": ("AccessList&", "struct AccessList", "f.access_list"),
    "offline_messages": ("OfflineMessageTable&", "struct OfflineMessageTable", "f.offline_messages"),
    "no_fingerprint": ("NoFingerprintTables&", "struct NoFingerprintTables", "f.no_fingerprint"),
    "list_collection": ("ListCollectionState&", "struct ListCollectionState", "f.list_collection"),
    "last_punch": ("LastPunch&", "struct LastPunch", "f.last_punch"),
    "protocol": ("ProtocolFlags&", "struct ProtocolFlags", "f.protocol"),
    "bio_settings": ("BioSettingsBlock&", "struct BioSettingsBlock", "f.bio_settings"),
    "held_events": ("HeldOnlineEvents&", "class HeldOnlineEvents", "f.held_events"),
    "settings": ("const SettingsView&", "struct SettingsView", "f.settings()"),
}
STATE_ORDER = list(STATE)

RESULTS = {
    "code": ("uint8_t", "8"),
    "i32": ("int32_t", "-1"),
    "void": ("void", None),
}

# A pointer the operation writes or reads as an area gives the area's size:
# `buf template_[404]`, `out_str card[16]` (the bytes a caller must provide).
SIZED_TYPES = ("buf", "out_str")
PARAM_RE = re.compile(r"^(\w+)\s+(\w+)(?:\[(\d+)\])?$")

OP_RE = re.compile(r"^op\s+(\w+)\s*\((.*)\)\s*->\s*(\w+)\s*(.*)$")


class Family:
    def __init__(self, order, slug, title, where):
        self.order = order
        self.slug = slug
        self.title = title
        self.where = where


class Op:
    def __init__(self, name, params, result, attrs, doc, where):
        self.name = name
        self.params = params  # list of (type, name)
        self.result = result
        self.attrs = attrs
        self.doc = doc
        self.where = where
        self.details = []     # the @ lines, for the reference pages
        self.family = None
        self.place = None     # (family order, file, line): the order of the header and pages
        self.sizes = {}       # buf and out_str arguments: name -> bytes the caller provides

    @property
    def ctype(self):
        return RESULTS[self.result][0]

    @property
    def on_error(self):
        return self.attrs.get("on_error", RESULTS[self.result][1])

    def c_params(self):
        if not self.params:
            return "void"
        return ", ".join(f"{TYPES[t][0]} {n}" for t, n in self.params)

    def ctype_of(self, t):
        return TYPES[t][0]

    def cpp_params(self):
        return ", ".join(f"{TYPES[t][0]} {n}" for t, n in self.params)

    def uses(self):
        return [u for u in self.attrs.get("uses", "").split(",") if u]

    def op_params(self):
        """The operation's parameters: the state it uses, then its arguments."""
        state = [f"{STATE[u][0]} {u}" for u in self.uses()]
        return ", ".join(state + [f"{TYPES[t][0]} {n}" for t, n in self.params])

    def args(self):
        return ", ".join(n for _, n in self.params)

    def stack_bytes(self):
        return 4 * len(self.params)


FAMILY_RE = re.compile(r"^family\s+(\d+)(?:\.(\d+))?\s+([a-z0-9-]+)\s+(\S.*)$")


def _params(plist, where):
    """'i32 terminal, out_str card[16]' -> ([(type, name)], {name: bytes})"""
    params, sizes = [], {}
    for p in filter(None, (x.strip() for x in plist.split(","))):
        m_param = PARAM_RE.match(p)
        if not m_param or m_param.group(1) not in TYPES:
            sys.exit(f"{where}: bad parameter '{p}'")
        ptype, pname, psize = m_param.groups()
        if (psize is not None) != (ptype in SIZED_TYPES):
            sys.exit(f"{where}: '{p}': a buf or out_str argument gives its size in bytes, "
                     f"e.g. buf record[128]; no other argument does")
        params.append((ptype, pname))
        if psize is not None:
            sizes[pname] = int(psize)
    return params, sizes


def _op_line(line, where, family, place):
    """The Op of an 'op' line."""
    m = OP_RE.match(line.strip())
    if not m:
        sys.exit(f"{where}: cannot read declaration")
    name, plist, result, rest = m.groups()
    params, sizes = _params(plist, where)
    if result not in RESULTS:
        sys.exit(f"{where}: bad result '{result}'")
    attrs = dict(kv.split("=", 1) for kv in rest.split())
    uses = [u for u in attrs.get("uses", "").split(",") if u]
    if any(u not in STATE for u in uses) or uses != sorted(uses, key=STATE_ORDER.index):
        sys.exit(f"{where}: uses= names state from {', '.join(STATE_ORDER)}, in that order")
    op = Op(name, params, result, attrs, [], where)
    op.sizes, op.family, op.place = sizes, family, place
    return op


def parse(paths):
    ops = []
    families = {}
    for path in paths:
        current = None
        family = None
        for lineno, where, line in gen_text.declaration_lines(path):
            if line.startswith("family "):
                m = FAMILY_RE.match(line.strip())
                if not m or family is not None:
                    sys.exit(f"{where}: a file has one family line: family ORDER slug Title")
                order, rank, slug, title = int(m.group(1)), int(m.group(2) or 0), m.group(3), m.group(4)
                family = families.setdefault(slug, Family(order, slug, title, where))
                if (family.order, family.title) != (order, title):
                    sys.exit(f"{where}: family {slug} differs from {family.where}")
                continue
            if line.startswith("op "):
                if family is None:
                    sys.exit(f"{where}: an operation before the file's family line")
                current = _op_line(line, where, family, (family.order, rank, path, lineno))
                ops.append(current)
            elif line[0].isspace() and current is not None and line.strip().startswith("@"):
                current.details.append((line.strip(), where))
            elif line[0].isspace() and current is not None:
                if current.details:
                    sys.exit(f"{where}: doc lines come before the @ lines")
                current.doc.append(line.strip())
            else:
                sys.exit(f"{where}: unexpected line")
    names = [o.name for o in ops]
    dups = {n for n in names if names.count(n) > 1}
    if dups:
        sys.exit(f"declared twice: {', '.join(sorted(dups))}")
    orders = {}
    for fam in families.values():
        if fam.order in orders:
            sys.exit(f"{fam.where}: family order {fam.order} also used by {orders[fam.order]}")
        orders[fam.order] = fam.slug
    for o in ops:
        if not o.doc:
            sys.exit(f"{o.where}: {o.name} has no documentation line")
        gen_docs.check(o)
    return sorted(ops, key=lambda o: o.name)


def by_family(ops):
    """[(family, [op])] in the order of the families, each family's operations
    in the order of their declarations."""
    out = []
    for o in sorted(ops, key=lambda o: o.place):
        if not out or out[-1][0] is not o.family:
            out.append((o.family, []))
        out[-1][1].append(o)
    return out


def write_if_changed(path, text):
    try:
        with open(path, encoding="utf-8") as f:
            if f.read() == text:
                return
    except FileNotFoundError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


HEADER_TOP = """\
/* Varanda SDK: the exported operations.
 *
 * Every operation returns a one-byte code unless its line says otherwise:
 *   0 success; 1 the transport failed or the answer was not the one expected;
 *   2 port not open; 3 port already open; 4, 5, 6, 10 the back end of the
 *   chosen connection type is unavailable (serial library, TCP library,
 *   TCP COM component, serial COM component); 7 modem operation on a
 *   connection that is not a modem connection; 8 an internal error was
 *   caught; 9 connection type outside 0 to 4; 128 + k argument k (counted
 *   from 0, the terminal number included) is out of range, nothing was
 *   stored or sent. Several operations give codes of their own, from 128 up
 *   (their lines say which): varanda_code_text_for(operation, code) of
 *   varanda_codes.h names each.
 *
 * Texts are single-byte ISO-8859-1, as the terminal shows and stores them.
 *
 * On 32-bit Windows the operations use the stdcall convention
 * (VARANDA_CALL); elsewhere the platform's C convention.
 *
 * This file is generated from the operation lists of the source tree.
 */
#ifndef VARANDA_H
#define VARANDA_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#  define VARANDA_CALL __stdcall
#else
#  define VARANDA_CALL
#endif

#define VARANDA_OK                    0
#define VARANDA_FAILED                1
#define VARANDA_PORT_NOT_OPEN         2
#define VARANDA_PORT_ALREADY_OPEN     3
#define VARANDA_SERIAL_LIB_MISSING    4
#define VARANDA_TCP_LIB_MISSING       5
#define VARANDA_TCP_COM_MISSING       6
#define VARANDA_NOT_A_MODEM           7
#define VARANDA_INTERNAL_ERROR        8
#define VARANDA_BAD_CONNECTION_TYPE   9
#define VARANDA_SERIAL_COM_MISSING    10
#define VARANDA_BAD_ARGUMENT(k)       (128 + (k))

#ifdef __cplusplus
extern "C" {
#endif

"""

HEADER_BOTTOM = """\
#ifdef __cplusplus
}
#endif

#endif /* VARANDA_H */
"""


def gen_header(ops):
    out = [HEADER_TOP]
    for family, members in by_family(ops):
        out.append(f"/* ---- {family.title} " + "-" * max(3, 70 - len(family.title)) + " */\n\n")
        for o in members:
            out.append("/* " + "\n * ".join(o.doc) + " */\n")
            out.append(f"{o.ctype} VARANDA_CALL {o.name}({o.c_params()});\n\n")
    out.append(HEADER_BOTTOM)
    return "".join(out)


def java_functions(forms):
    """(exported JNI name, form) for every Java form of both classes."""
    return java_forms.jni_functions(forms)


def gen_def(ops, forms):
    lines = ["LIBRARY Varanda.dll", "EXPORTS"]
    for o in ops:
        lines.append(f"    {o.name} = {o.name}@{o.stack_bytes()}")
    for jname, form in java_functions(forms):
        n = form.stack_bytes()
        lines.append(f"    _{jname}@{n} = {jname}@{n}")
    return "\n".join(lines) + "\n"


def gen_def64(ops, forms):
    """64-bit Windows: one calling convention, so every name is plain."""
    lines = ["LIBRARY Varanda.dll", "EXPORTS"]
    lines += [f"    {o.name}" for o in ops]
    lines += [f"    {jname}" for jname, _ in java_functions(forms)]
    return "\n".join(lines) + "\n"


def gen_host_def(ops):
    """The operations as a host program calls them: with the stdcall
    decoration (which dlltool -k strips from the imported name)."""
    lines = ["LIBRARY Varanda.dll", "EXPORTS"]
    lines += [f"    {o.name}@{o.stack_bytes()}" for o in ops]
    return "\n".join(lines) + "\n"


def gen_host_def64(ops):
    """The same for 64-bit Windows, where names carry no decoration."""
    return "\n".join(["LIBRARY Varanda.dll", "EXPORTS"] + [f"    {o.name}" for o in ops]) + "\n"


def gen_map(ops, forms):
    lines = ["{", "  global:"]
    lines += [f"    {o.name};" for o in ops]
    lines += [f"    {j};" for j, _ in java_functions(forms)]
    lines += ["  local:", "    *;", "};"]
    return "\n".join(lines) + "\n"


def gen_ops_h(ops):
    state = [f"{STATE[u][1]};\n" for u in STATE_ORDER]
    decls = [f"{o.ctype} {o.name}({o.op_params()});\n" for o in ops]
    return gen_text.cpp_file(
        "the operations behind the exports. Each is handed the state\n"
        "its declaration names (uses=...), never the facade.",
        "#pragma once\n#include <cstdint>\n\nnamespace varanda {\n" + "".join(state) + "namespace op {\n",
        decls, "}  // namespace op\n}  // namespace varanda\n")


def _facade_call(o):
    params = ", ".join(["ApiFacade& f"] + ([o.cpp_params()] if o.params else []))
    args = ", ".join([STATE[u][2] for u in o.uses()] + [n for _, n in o.params])
    unused = "" if o.uses() else "    (void)f;\n"
    return f"inline {o.ctype} {o.name}({params}) {{\n{unused}    return op::{o.name}({args});\n}}\n"


def gen_facade_calls_h(ops):
    """Each operation called on the facade: the exported wrappers, the Java
    bridge and the tests that drive a facade of their own go through these."""
    return gen_text.cpp_file(
        "each operation called on the facade, which hands it the state\nits declaration names.",
        '#pragma once\n#include "api/facade.h"\n#include "varanda_ops.h"\n\nnamespace varanda::via {\n',
        [_facade_call(o) for o in ops], "}  // namespace varanda::via\n")


def _guarded(o, fwd, wrap="{}", void_tail=""):
    """fwd run under the catch-all guard: its result returned (through wrap),
    or, for a void operation, void_tail after it."""
    if o.result == "void":
        return f"    varanda::guarded_void([&](varanda::ApiFacade& f) {{ {fwd}; }});\n{void_tail}"
    call = f"varanda::guarded<{o.ctype}>({o.on_error}, [&](varanda::ApiFacade& f) {{ return {fwd}; }})"
    return f"    return {wrap.format(call)};\n"


def _forward(o, args):
    return f"varanda::via::{o.name}(f{', ' if o.params else ''}{args})"


def gen_exports_cpp(ops):
    def export(o):
        return (f"VARANDA_EXPORT {o.ctype} VARANDA_CALL {o.name}({o.cpp_params()}) {{\n"
                + _guarded(o, _forward(o, o.args())) + "}\n")
    return gen_text.cpp_file(
        "the exported wrappers. Each runs its facade operation under\nthe process lock and the catch-all guard.",
        '#include "varanda.h"\n#include "facade_calls.h"\n#include "api/guard.h"\n\nextern "C" {\n',
        [export(o) for o in ops], "}\n")


def gen_api_table(ops):
    pointers = [f"    {o.ctype} (VARANDA_CALL *{o.name})({o.cpp_params()}) = nullptr;\n" for o in ops]
    binds = [f'        ok = bind({o.name}, lookup("{o.name}")) && ok;\n' for o in ops]
    names = [f'    "{o.name}",\n' for o in ops]
    return gen_text.cpp_file(
        "typed pointers to every export, for hosts that load the\nlibrary at run time (the test hosts).",
        '#pragma once\n#include "varanda.h"\n\nstruct VarandaApi {\n',
        pointers + ["\n    // Resolves every pointer with lookup(name); false when any is missing.\n",
                    "    template <class Lookup> bool resolve(Lookup&& lookup) {\n        bool ok = true;\n"]
        + binds + ["        return ok;\n    }\n\n",
                   "  private:\n    template <class Fn> static bool bind(Fn& fn, void* p) {\n"
                   "        fn = reinterpret_cast<Fn>(p);\n        return p != nullptr;\n    }\n};\n\n",
                   f"inline constexpr int kVarandaOperationCount = {len(ops)};\n",
                   "inline constexpr const char* kVarandaOperationNames[] = {\n"] + names,
        "};\n")


def gen_jni_scalar(forms):
    jtype = {"i32": "jint", "u8": "jbyte"}
    conv = {"i32": "{}", "u8": "static_cast<uint8_t>({})"}

    def function(jname, o):
        params = "".join(f", {jtype[t]} {n}" for t, n in o.params)
        fwd = _forward(o, ", ".join(conv[t].format(n) for t, n in o.params))
        return (f"VARANDA_EXPORT JNIEXPORT jint JNICALL {jname}(JNIEnv*, jclass{params}) {{\n"
                + _guarded(o, fwd, "static_cast<jint>({})" if o.result == "code" else "{}", "    return 0;\n") + "}\n")
    return gen_text.cpp_file(
        "the JNI functions of the operations that take only int and\n"
        "byte arguments. They call the facade operation through the same guard\nas the plain exports.",
        '#include <jni.h>\n#include "facade_calls.h"\n#include "api/guard.h"\n\nextern "C" {\n',
        [function(j, f.op) for j, f in java_functions(forms) if f.kind == "scalar"], "}\n")


# The files only the build reads: name -> its text from (ops, forms).
BUILD_FILES = {
    "varanda.def": gen_def,
    "varanda64.def": gen_def64,
    "varanda_host.def": lambda ops, _: gen_host_def(ops),
    "varanda_host64.def": lambda ops, _: gen_host_def64(ops),
    "varanda.map": gen_map,
    "varanda_ops.h": lambda ops, _: gen_ops_h(ops),
    "facade_calls.h": lambda ops, _: gen_facade_calls_h(ops),
    "exports.cpp": lambda ops, _: gen_exports_cpp(ops),
    "api_table.h": lambda ops, _: gen_api_table(ops),
    "sweep_table.h": lambda ops, _: gen_sweep.gen_sweep_table(ops),
    "declared_codes.h": lambda ops, _: gen_codes.gen_test_table(ops),
    "jni_scalar.cpp": lambda _, forms: gen_jni_scalar(forms),
    "operations.txt": lambda ops, _: "".join(o.name + "\n" for o in ops),
    "jni_functions.txt": lambda _, forms: "".join(j + "\n" for j, _ in java_functions(forms)),
    "jni_forms.cpp": lambda _, forms: java_forms.gen_jni_forms_cpp(forms),
    "jni_custom.h": lambda _, forms: java_forms.gen_jni_custom_h(forms),
}


def _arguments():
    ap = argparse.ArgumentParser()
    ap.add_argument("--src", required=True, help="the src/ folder")
    ap.add_argument("--header", required=True, help="path of include/varanda.h")
    ap.add_argument("--codes-header", help="path of include/varanda_codes.h")
    ap.add_argument("--python", help="path of bindings/python/varanda/_operations.py")
    ap.add_argument("--csharp", help="path of bindings/csharp/Varanda.cs")
    ap.add_argument("--out", required=True, help="folder for the generated files")
    ap.add_argument("--java", help="the java/ folder: write the Java classes there")
    ap.add_argument("--java-forms", help="the Java form table (default: <src>/jni/java_forms.txt)")
    ap.add_argument("--docs", help="the docs/api folder: write the reference pages there")
    ap.add_argument("--list", action="store_true", help="print the operation names")
    ap.add_argument("--list-java", action="store_true",
                    help="print the JNI functions as Name@bytes, then the operations still without a Java form")
    return ap.parse_args()


def _committed(a, ops, forms):
    """The generated files that are also committed with the sources (the build
    writes its fresh copies; the test generated_sources_current compares)."""
    out = [(a.header, gen_header(ops))]
    if a.codes_header:
        out.append((a.codes_header, gen_codes.gen_header(ops)))
    if a.python:
        out.append((a.python, gen_python.gen_module(ops)))
    if a.csharp:
        out.append((a.csharp, gen_csharp.gen_file(ops)))
    if a.java:
        out += [(path, java_forms.gen_java_class(forms, cls)) for cls, path in java_forms.java_class_paths(a.java)]
    return out


def _write_docs(folder, ops, forms):
    """The reference pages, and no page of an earlier run that is gone."""
    pages = gen_docs.pages(by_family(ops), forms)
    for name, text in pages:
        write_if_changed(os.path.join(folder, name), text)
    names = {name for name, _ in pages}
    for n in os.listdir(folder):
        if n.endswith(".md") and n not in names:
            os.remove(os.path.join(folder, n))


def main():
    a = _arguments()
    ops = parse(sorted(glob.glob(os.path.join(a.src, "*", "*.ops"))))
    if a.list:
        print("\n".join(o.name for o in ops))
        return
    table_path = a.java_forms or os.path.join(a.src, "jni", "java_forms.txt")
    forms, missing = java_forms.resolve(ops, java_forms.parse_table(table_path if os.path.exists(table_path) else None))
    if a.list_java:
        print("\n".join(f"{j}@{f.stack_bytes()}" for j, f in java_functions(forms)))
        print("\n".join(f"missing {o.name}" for o in missing))
        return
    for o in missing:
        print(f"{o.where}: note: {o.name} has no Java form yet (declare it in {table_path})", file=sys.stderr)
    for path, text in _committed(a, ops, forms):
        write_if_changed(path, text)
    if a.docs:
        _write_docs(a.docs, ops, forms)
    for name, gen in BUILD_FILES.items():
        write_if_changed(os.path.join(a.out, name), gen(ops, forms))


if __name__ == "__main__":
    main()
