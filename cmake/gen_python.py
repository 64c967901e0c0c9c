"""The Python binding's operation layer (bindings/python/varanda/_operations.py)
from the operation lists: every operation as a function of the loaded
library that takes the operation's inputs, sizes its areas from the
declarations, encodes texts to the terminal's ISO-8859-1 and returns the
one-byte code (or the 32-bit result) with the values written. Called by
gen_exports.py.
"""
import pprint

import gen_codes

CTYPES = {
    "i32": "c_int32", "u8": "c_uint8", "str": "c_char_p", "buf": "c_void_p",
    "out_u8": "c_void_p", "out_u16": "c_void_p", "out_i32": "c_void_p", "out_str": "c_void_p",
}
RESTYPES = {"code": "c_uint8", "i32": "c_int32", "void": "None"}
OUT_TYPES = {"out_u8": "c_uint8", "out_u16": "c_uint16", "out_i32": "c_int32"}

TOP = '''"""Generated from the operation lists of the Varanda SDK; do not edit.

Every operation as a function of the loaded library: the inputs in the
order of the C declaration (areas the operation writes are made here, of
the size the declaration gives), the result first, then the values written:
out-values as ints, out-texts as str (ISO-8859-1, up to the first zero byte),
areas as bytes. Texts go to the terminal as ISO-8859-1, '?' for a character
outside it.
"""
from ctypes import (c_char_p, c_int32, c_uint8, c_uint16, c_void_p, byref,
                    create_string_buffer)

from ._text import to_terminal, from_terminal

'''


def _function(o):
    inputs, setup, call, outs = [], [], [], []
    for t, n in o.params:
        v = f"{n}_"
        if t in ("i32", "u8"):
            inputs.append(n)
            call.append(n)
        elif t == "str":
            inputs.append(n)
            call.append(f"to_terminal({n})")
        elif t in OUT_TYPES:
            setup.append(f"    {v} = {OUT_TYPES[t]}(0)")
            call.append(f"byref({v})")
            outs.append(f"{v}.value")
        elif t == "out_str":
            setup.append(f"    {v} = create_string_buffer({o.sizes[n]} + 1)")
            call.append(v)
            outs.append(f"from_terminal({v}.raw[:{o.sizes[n]}])")
        else:  # buf: the bytes given (or None) go in, the whole area comes back
            inputs.append(n)
            setup.append(f"    {v} = create_string_buffer(bytes({n} or b'')[:{o.sizes[n]}], {o.sizes[n]})")
            call.append(v)
            outs.append(f"{v}.raw")
    head = f"def {o.name}(lib{''.join(', ' + i for i in inputs)}):"
    result = f"lib.{o.name}({', '.join(call)})"
    if outs:
        body = setup + [f"    r = {result}", f"    return (r, {', '.join(outs)})"]
    else:
        body = [f"    return {result}"]
    return "\n".join([head] + body) + "\n"


def gen_module(ops):
    out = [TOP]
    sig = {o.name: (RESTYPES[o.result], [CTYPES[t] for t, _ in o.params]) for o in ops}
    out.append("# name: (result type, argument types), for the library's prototypes\n")
    out.append("SIGNATURES = {\n")
    for name, (res, args) in sig.items():
        out.append(f"    {name!r}: ({res}, [{', '.join(args)}]),\n")
    out.append("}\n\n")
    out.append("# name: 'code' | 'i32' | 'void'\nRESULTS = " + pprint.pformat({o.name: o.result for o in ops}, width=100) + "\n\n")
    out.append("GENERAL_CODES = " + pprint.pformat(gen_codes.GENERAL, width=100) + "\n\n")
    codes = {}
    for name, code, text in gen_codes.table(ops):
        codes.setdefault(name, {})[code] = text
    out.append("# operation: {code: the meaning it gives the code}\nOWN_CODES = " +
               pprint.pformat(codes, width=110) + "\n\n")
    for o in ops:
        out.append("\n" + _function(o))
    return "".join(out)
