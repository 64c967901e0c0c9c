"""Each operation of the table in _operations.py as a function of the loaded
library: the inputs in the order of the C declaration (areas the operation
writes are made here, of the size the declaration gives), the result first,
then the values written: out-values as ints, out-texts as str (ISO-8859-1, up
to the first zero byte), areas as bytes. Texts go to the terminal as
ISO-8859-1, '?' for a character outside it.
"""
import inspect
from ctypes import (c_char_p, c_int32, c_uint8, c_uint16, c_void_p, byref,
                    create_string_buffer)

from ._text import to_terminal, from_terminal

RESTYPES = {"code": c_uint8, "i32": c_int32, "void": None}
OUT_TYPES = {"out_u8": c_uint8, "out_u16": c_uint16, "out_i32": c_int32}


class _Argument:
    """One argument of the C declaration: its ctypes type, whether the caller
    gives it, how it goes to the library and how its written value comes back."""

    def __init__(self, kind, name, size):
        self.kind, self.name, self.size = kind, name, size
        self.given = kind in ("i32", "u8", "str", "buf")
        self.written = kind not in ("i32", "u8", "str")
        self.ctype = {"i32": c_int32, "u8": c_uint8, "str": c_char_p}.get(kind, c_void_p)

    def area(self, value):
        """What the library is handed: the value, or the area made for it."""
        if self.kind in OUT_TYPES:
            return OUT_TYPES[self.kind](0)
        if self.kind == "out_str":
            return create_string_buffer(self.size + 1)
        if self.kind == "buf":  # the bytes given (or None) go in, the whole area comes back
            return create_string_buffer(bytes(value or b"")[:self.size], self.size)
        return to_terminal(value) if self.kind == "str" else value

    def passed(self, area):
        return byref(area) if self.kind in OUT_TYPES else area

    def read(self, area):
        if self.kind in OUT_TYPES:
            return area.value
        return from_terminal(area.raw[:self.size]) if self.kind == "out_str" else area.raw


def arguments(declared):
    """'i32 terminal, out_str card 16' -> [_Argument]"""
    out = []
    for item in filter(None, (s.strip() for s in declared.split(","))):
        kind, name, *size = item.split()
        out.append(_Argument(kind, name, int(size[0]) if size else None))
    return out


def operation(name, result, declared):
    """The function that calls `name` of a loaded library: f(lib, inputs...)."""
    args = arguments(declared)
    signature = inspect.Signature(
        [inspect.Parameter(n, inspect.Parameter.POSITIONAL_OR_KEYWORD)
         for n in ["lib"] + [a.name for a in args if a.given]])

    def call(lib, *given, **by_name):
        values = signature.bind(lib, *given, **by_name).arguments
        areas = [a.area(values.get(a.name)) for a in args]
        r = getattr(lib, name)(*(a.passed(x) for a, x in zip(args, areas)))
        written = [a.read(x) for a, x in zip(args, areas) if a.written]
        return (r, *written) if written else r

    call.__name__ = call.__qualname__ = name
    call.__signature__ = signature
    returned = [result] + [a.name for a in args if a.written]
    call.__doc__ = f"{name}{signature} -> {', '.join(returned)}"
    return call


def signatures(operations):
    """name: (result type, argument types), for the library's prototypes."""
    return {name: (RESTYPES[result], [a.ctype for a in arguments(declared)]) for name, result, declared in operations}


def own_codes(rows):
    """[(operation, code, text)] -> {operation: {code: text}}"""
    out = {}
    for name, code, text in rows:
        out.setdefault(name, {})[code] = text
    return out
