"""The table of the export sweep (tests/sweep/) from the operation lists.

For every operation: its arguments with the size of each area a caller
provides, the codes its documentation allows, the limits its documentation
names (for the scalar values one past them) and a caller that takes the
arguments as numbers and pointers. A new operation is in the sweep as soon
as it is declared. Called by gen_exports.py.
"""
import re

ARG_KINDS = {
    "i32": "I32", "u8": "U8", "str": "Str", "buf": "Buf",
    "out_u8": "OutU8", "out_u16": "OutU16", "out_i32": "OutI32", "out_str": "OutStr",
}
FIXED_SIZES = {"out_u8": 1, "out_u16": 2, "out_i32": 4}
CASTS = {
    "i32": "static_cast<int32_t>(v.n[{i}])",
    "u8": "static_cast<uint8_t>(v.n[{i}])",
    "str": "static_cast<const char*>(v.p[{i}])",
    "buf": "static_cast<uint8_t*>(v.p[{i}])",
    "out_u8": "static_cast<uint8_t*>(v.p[{i}])",
    "out_u16": "static_cast<uint16_t*>(v.p[{i}])",
    "out_i32": "static_cast<int32_t*>(v.p[{i}])",
    "out_str": "static_cast<char*>(v.p[{i}])",
}
MAX_ARGS = 12
# What every operation may give (the header's general codes): 0 to 10.
GENERAL_CODES = range(0, 11)
RANGE_RE = re.compile(r"(-?\d+)\s*\.\.\s*(-?\d+)")
NUMBER_RE = re.compile(r"(?<![\w.])(\d+)(?![\w])")
SAME_AS_RE = re.compile(r"\b[Aa]s (\w+)")


def _doc(op):
    return " ".join(op.doc)


def documented_codes(op, by_name, seen=None):
    """The codes the header allows `op`: the general ones, 128 + k for each
    argument k, each number and range of its doc lines, and the codes of an
    operation its doc lines refer to ("codes as X")."""
    seen = seen if seen is not None else set()
    seen.add(op.name)
    text = _doc(op)
    codes = set(GENERAL_CODES) | {128 + k for k in range(len(op.params))}
    for a, b in RANGE_RE.findall(text):
        codes |= {c for c in range(int(a), int(b) + 1) if 0 <= c <= 255}
    codes |= {int(n) for n in NUMBER_RE.findall(RANGE_RE.sub(" ", text)) if int(n) <= 255}
    for name in SAME_AS_RE.findall(text):
        if name in by_name and name not in seen:
            codes |= documented_codes(by_name[name], by_name, seen)
    return codes


def limits(op):
    """The 32-bit values one past and at each end of the ranges its doc lines name."""
    out = set()
    for a, b in RANGE_RE.findall(_doc(op)):
        for n in (int(a), int(b)):
            out |= {n - 1, n, n + 1}
    return sorted(v for v in out if -2**31 < v < 2**31)


def _bitmap(codes):
    words = [0, 0, 0, 0]
    for c in codes:
        words[c // 64] |= 1 << (c % 64)
    return "{" + ", ".join(f"0x{w:016x}ull" for w in words) + "}"


def _call(op):
    args = ", ".join(CASTS[t].format(i=i) for i, (t, _) in enumerate(op.params))
    call = f"a.{op.name}({args})"
    if op.result == "void":
        return f"[](const VarandaApi& a, const Values& v) -> int64_t {{ {call}; (void)v; return 0; }}"
    return f"[](const VarandaApi& a, const Values& v) -> int64_t {{ (void)v; return {call}; }}"


def gen_sweep_table(ops):
    by_name = {o.name: o for o in ops}
    out = ["// Generated: every export with its arguments, the bytes of each area a\n",
           "// caller provides, the codes its documentation allows and the limits it\n",
           "// names, for the export sweep.\n",
           "#pragma once\n#include <cstdint>\n\n#include \"api_table.h\"\n\nnamespace sweep {\n\n",
           "enum class Arg : uint8_t { I32, U8, Str, Buf, OutU8, OutU16, OutI32, OutStr };\n",
           "enum class Result : uint8_t { Code, I32, Void };\n",
           f"inline constexpr int kMaxArgs = {MAX_ARGS};\n\n",
           "struct Param {\n    Arg type;\n    const char* name;\n",
           "    int32_t bytes;  // the area a pointer must reach; 0 for numbers and input strings\n};\n\n",
           "struct Values {\n    int64_t n[kMaxArgs];\n    void* p[kMaxArgs];\n};\n\n",
           "struct Operation {\n    const char* name;\n    Result result;\n    int count;\n",
           "    Param params[kMaxArgs];\n    uint64_t codes[4];  // bit c: code c is documented\n",
           "    int count_limits;\n    int32_t limits[16];\n",
           "    int64_t (*call)(const VarandaApi&, const Values&);\n",
           "    bool documents(int code) const { return code >= 0 && code < 256 && (codes[code / 64] >> (code % 64) & 1u); }\n",
           "};\n\n",
           "inline const Operation kOperations[] = {\n"]
    result = {"code": "Code", "i32": "I32", "void": "Void"}
    for o in ops:
        if len(o.params) > MAX_ARGS:
            raise SystemExit(f"{o.where}: more than {MAX_ARGS} arguments")
        params = ", ".join(
            f'{{Arg::{ARG_KINDS[t]}, "{n}", {o.sizes.get(n, FIXED_SIZES.get(t, 0))}}}' for t, n in o.params)
        lim = limits(o)[:16]
        out.append(f'    {{"{o.name}", Result::{result[o.result]}, {len(o.params)}, {{{params}}},\n'
                   f'     {_bitmap(documented_codes(o, by_name))}, {len(lim)}, {{{", ".join(map(str, lim))}}},\n'
                   f'     {_call(o)}}},\n')
    out.append("};\n\n}  // namespace sweep\n")
    return "".join(out)
