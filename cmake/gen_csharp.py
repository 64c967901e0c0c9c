"""The C# binding (bindings/csharp/Varanda.cs) from the operation lists: one
file, namespace and class Varanda, with a P/Invoke declaration of every
operation and a thin layer above them. Called by gen_exports.py.

CallingConvention.Winapi is stdcall on 32-bit Windows and the platform's C
convention elsewhere, as the library exports them; DllImport("varanda")
finds Varanda.dll on Windows and libvaranda.so on Linux (Mono).
"""
import gen_codes
import gen_text

ARG = {
    "i32": "int {n}", "u8": "byte {n}", "str": "byte[] {n}", "buf": "byte[] {n}",
    "out_u8": "out byte {n}", "out_u16": "out ushort {n}", "out_i32": "out int {n}", "out_str": "byte[] {n}",
}
RESULT = {"code": "byte", "i32": "int", "void": "void"}
KEYWORDS = {"event", "params", "string", "object", "base", "checked", "fixed", "lock", "operator", "out", "ref"}

def _param(t, n):
    name = "@" + n if n in KEYWORDS else n
    text = ARG[t].format(n=name)
    if t in ("buf", "out_str"):
        text = f"[In, Out] {text}"
    return text


def _native(o):
    sizes = "; ".join(f"{n}: {s} bytes" for n, s in o.sizes.items())
    params = ", ".join(_param(t, n) for t, n in o.params)
    return ((f"            // {sizes}\n" if sizes else "")
            + "            [DllImport(Lib, CallingConvention = CallingConvention.Winapi)] "
            + f"public static extern {RESULT[o.result]} {o.name}({params});\n")


def _natives(ops):
    """The declarations family by family, in the order of the header."""
    out, family = [], None
    for o in sorted(ops, key=lambda o: o.place):
        if o.family is not family:
            family = o.family
            out.append(f"{chr(10) if out else ''}            // {family.title}\n")
        out.append(_native(o))
    return "".join(out)


def gen_file(ops):
    """bindings/csharp/Varanda.cs: its fixed text is templates/Varanda.cs.in."""
    return gen_text.fill("Varanda.cs.in",
                         general=", ".join(f'"{t}"' for t in gen_codes.GENERAL),
                         own="".join(f'            new Own("{n}", {c}, "{t}"),\n' for n, c, t in gen_codes.table(ops)),
                         native=_natives(ops))
