"""The texts of the return codes, general and per operation, from the
operation lists.

An operation declares the codes it gives a meaning of its own with @code lines
below its description (reference pages and code tables only):

    @code 128 the terminal offered its last punch again
    @code 129..135 null pointer          a range; null-pointer texts name the argument
    @code 130,131 null out-pointer       a list
    @code 128..137 =module-status        a named table (NAMED below)

A later line wins for the same code. An operation whose description says
"Codes as X" (or "other codes as X") takes X's declared codes first. Codes
an operation does not declare keep the general text (varanda_code_text).
Writes include/varanda_codes.h; the bindings read op_codes(). Called by
gen_exports.py.
"""
import re
import sys

import gen_text

GENERAL = gen_text.template_lines("general_codes.txt")  # the text of code 0, 1, ...
UNKNOWN = "unknown code"

# The fingerprint module's status as an answer operation gives it, and the
# Ossel module's result as the operations that ask the terminal (offline) and
# those that read the event stream (online) give it.
NAMED = {
    "module-status": {
        128: "module status of no other code, or no answer (offline)",
        129: "module status 2, 7, 253 or 254",
        130: "module status 3",
        131: "module status 4",
        132: "module status 5",
        133: "module status 6",
        134: "module status 14",
        135: "module status 251 or 252",
        136: "module status 22",
        137: "module status 9",
    },
    "ossel-offline": {
        128: "module result 1, or 7 and above",
        129: "module result 2",
        130: "module result 3",
        131: "module result 4",
        132: "module result 5",
        133: "module result 6",
    },
    "ossel-online": {
        128: "module result other than 2, 3, 4 and 7",
        130: "module result 3",
        134: "module result 4",
    },
}
CODE_RE = re.compile(r"^@code\s+(\d+(?:\.\.\d+)?(?:,\d+(?:\.\.\d+)?)*)\s+(\S.*)$")
SAME_AS_RE = re.compile(r"\b[Cc]odes as (\w+)")


def expand(ranges):
    out = []
    for part in ranges.split(","):
        a, _, b = part.partition("..")
        out += range(int(a), int(b or a) + 1)
    return out


def check(op, where, line):
    """Exits when an @code line is malformed."""
    m = CODE_RE.match(line)
    if not m:
        sys.exit(f"{where}: an @code line is @code N[..M][,N] TEXT")
    codes, text = expand(m.group(1)), m.group(2)
    if any(c > 255 for c in codes):
        sys.exit(f"{where}: a code is one byte")
    if text.startswith("=") and text[1:] not in NAMED:
        sys.exit(f"{where}: no code table named {text[1:]} ({', '.join(NAMED)})")
    if '"' in text or "\\" in text:
        sys.exit(f"{where}: a code text has no quotes or backslashes")


def own_codes(op):
    """{code: text} of the @code lines of `op`. A code a named table gave
    and a later line names again carries both meanings."""
    out, from_table = {}, set()
    for line, _ in op.details:
        m = CODE_RE.match(line)
        if not m:
            continue
        codes, text = expand(m.group(1)), m.group(2)
        for c in codes:
            if text.startswith("="):
                if c in NAMED[text[1:]]:
                    out[c] = NAMED[text[1:]][c]
                    from_table.add(c)
                continue
            mine = text
            if len(codes) > 1 and text.startswith("null") and 0 <= c - 128 < len(op.params):
                mine = f"{text} ({op.params[c - 128][1]})"
            out[c] = f"{mine}, or {out[c]}" if c in from_table else mine
            from_table.discard(c)
    return out


def op_codes(op, by_name, seen=None):
    """{code: text} of the codes `op` gives a meaning of its own. From the
    operation its description names ("codes as X") it takes the codes that
    are not about X's own pointers (null ...)."""
    seen = (seen or set()) | {op.name}
    out = {}
    for name in SAME_AS_RE.findall(" ".join(op.doc)):
        if name in by_name and name not in seen:
            out.update({c: t for c, t in op_codes(by_name[name], by_name, seen).items() if not t.startswith("null")})
    out.update(own_codes(op))
    return out


def general_text(code):
    if code < len(GENERAL):
        return GENERAL[code]
    if code >= 128:
        return f"argument {code - 128} out of range"
    return UNKNOWN


def table(ops):
    """[(operation, code, text)] sorted by operation and code."""
    by_name = {o.name: o for o in ops}
    return [(o.name, c, t) for o in ops for c, t in sorted(op_codes(o, by_name).items())]


def gen_header(ops):
    """include/varanda_codes.h: its fixed text is templates/varanda_codes.h.in."""
    return gen_text.fill("varanda_codes.h.in",
                         general="".join(f'      "{t}",\n' for t in GENERAL),
                         own="".join(f'      {{"{n}", {c}, "{t}"}},\n' for n, c, t in table(ops)))


def gen_test_table(ops):
    """The declarations as written, for the table test: each operation's
    declared code and the words its text must carry."""
    def row(name, code, text):
        meaning = text.split(" (")[0] if text.endswith(")") and "null" in text else text
        return f'    {{"{name}", {code}, "{meaning}"}},\n'
    return gen_text.cpp_file(
        "every code an operation declares (@code, and those of the\n"
        "operation its description refers to), with the meaning declared.",
        "#pragma once\n#include <cstdint>\n\n"
        "struct DeclaredCode {\n    const char* operation;\n    uint8_t code;\n    const char* meaning;\n};\n\n"
        "inline const DeclaredCode kDeclaredCodes[] = {\n",
        [row(*r) for r in table(ops)], "};\n")
