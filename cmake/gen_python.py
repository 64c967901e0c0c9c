"""The Python binding's operation table (bindings/python/varanda/_operations.py)
from the operation lists: every operation with its result and its arguments
(areas with the bytes the declaration gives them), and the texts of the
codes. The hand-written varanda/_call.py makes each row a function of the
loaded library. Called by gen_exports.py.
"""
import gen_codes
import gen_text


def _spec(o):
    return ", ".join(f"{t} {n}" + (f" {o.sizes[n]}" if n in o.sizes else "") for t, n in o.params)


def gen_module(ops):
    return gen_text.fill(
        "_operations.py.in",
        general=repr(gen_codes.GENERAL),
        operations="".join(f'    ("{o.name}", "{o.result}", "{_spec(o)}"),\n' for o in ops),
        own_codes="".join(f'    ("{n}", {c}, {t!r}),\n' for n, c, t in gen_codes.table(ops)))
