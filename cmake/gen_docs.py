"""The reference pages (docs/api/) from the operation lists.

One page per family, in the order of the families, each operation in the
order of its declaration, and an index page. For each operation: its C
prototype, its doc lines (as in the header), what kind of operation it is and
the terminal commands it sends and reads, its arguments (position, type,
range), the codes it gives, and its Java form. The general texts of the codes
are read from include/varanda_codes.h, the table hosts and the tool use.
Called by gen_exports.py.
"""
import re
import sys

import gen_codes

KINDS = {
    "exchange": "exchange: talks to the terminal",
    "setter": "setter: changes only what the SDK has prepared, sends nothing",
    "port": "port: opens, closes or drives the back end's line, no terminal command",
    "local": "local: reads what the SDK has prepared or shows a message, sends nothing",
}
DETAIL_RE = re.compile(r"^@(arg|note|code)\s+(.*)$")


def commands(op, key):
    text = op.attrs.get(key, "")
    return [int(c) for c in text.split(",") if c]


def kind(op):
    if "kind" in op.attrs:
        return op.attrs["kind"]
    return "exchange" if commands(op, "sends") or commands(op, "reads") else "setter"


def check(op):
    """Exits with a message when the @ lines or the keys of `op` are wrong."""
    names = {n for _, n in op.params}
    for key in ("sends", "reads"):
        text = op.attrs.get(key)
        if text is not None and not re.fullmatch(r"\d+(,\d+)*", text):
            sys.exit(f"{op.where}: {key}= takes command codes separated by commas")
        if any(c > 255 for c in commands(op, key)):
            sys.exit(f"{op.where}: a command code is one byte")
    if op.attrs.get("kind", "setter") not in KINDS:
        sys.exit(f"{op.where}: kind= is one of {', '.join(KINDS)}")
    for line, where in op.details:
        m = DETAIL_RE.match(line)
        if not m:
            sys.exit(f"{where}: an @ line is @arg NAME TEXT, @note TEXT or @code N TEXT")
        if m.group(1) == "code":
            gen_codes.check(op, where, line)
        if m.group(1) == "arg":
            parts = m.group(2).split(None, 1)
            if len(parts) != 2 or parts[0] not in names:
                sys.exit(f"{where}: @arg names an argument of {op.name}, then its range or meaning")


def general_code_texts():
    """The texts of codes 0.. of varanda_code_text, in order."""
    return gen_codes.GENERAL


def anchor(name):
    return name.lower()


def default_meaning(ptype, name, size=None):
    if name == "terminal":
        return "the terminal number, passed to the back end unchanged"
    if name == "online":
        return ("0: the answer is asked of the terminal; non-zero: the terminal is online and the "
                "answer is taken from its event stream")
    if name.startswith("unused") or name.startswith("reserved"):
        return "not used"
    if ptype.startswith("out_") and ptype != "out_str":
        return "out-parameter; must not be null"
    if ptype == "buf":
        return f"the caller's area of {size} bytes, binary (no terminating zero); must not be null"
    if ptype == "out_str":
        return f"the caller's area of {size} bytes for text (see the description for its end); must not be null"
    if ptype == "str":
        return "zero-terminated text, one ISO-8859-1 byte a character"
    if ptype == "u8":
        return "see the description"
    return "see the description"


class Linker:
    """Turns operation names in a text into links to their sections."""

    def __init__(self, groups):
        self.page = {o.name: family.slug for family, members in groups for o in members}
        self.word = re.compile(r"\b(" + "|".join(sorted(self.page, key=len, reverse=True)) + r")\b")

    def link(self, text, here, own):
        def one(m):
            name = m.group(1)
            if name == own:
                return f"`{name}`"
            target = "" if self.page[name] == here else f"{self.page[name]}.md"
            return f"[`{name}`]({target}#{anchor(name)})"
        # Names already in backticks lose them: the link shows them as code.
        text = re.sub(r"`(\w+)`", lambda m: m.group(1) if m.group(1) in self.page else m.group(0), text)
        return self.word.sub(one, text)


def c_prototype(op):
    return f"{op.ctype} VARANDA_CALL {op.name}({op.c_params()});"


def java_lines(form):
    if form is None:
        return ["- **Java:** none (not in the Java classes)."]
    params = ", ".join(f"{p.jtype} {p.java_name}" for p in form.params)
    names = {form.method("Varanda"), form.method("com_melbrosa_Varanda")}
    if len(names) == 1:
        where = f"`int {form.method('Varanda')}({params})` in both classes, `Varanda` and `com.melbrosa.Varanda`"
    else:
        where = (f"`int {form.method('Varanda')}({params})` in class `Varanda`, "
                 f"`int {form.method('com_melbrosa_Varanda')}({params})` in class `com.melbrosa.Varanda`")
    out = [f"- **Java:** {where}."]
    extra = list(form.doc)
    sized = [f"`{p.java_name}` at least {p.size} element{'s' if p.size > 1 else ''}" for p in form.params if p.size]
    if sized:
        extra.append("Arrays: " + "; ".join(sized) + ".")
    if extra:
        out.append("  " + " ".join(extra))
    return out


def code_lines(op):
    k = kind(op)
    checked = [i for i, (t, n) in enumerate(op.params) if n != "terminal"]
    if op.result == "void":
        return ["- **Result:** none."]
    if op.result == "i32":
        return [f"- **Result:** a 32-bit value (see the description); {op.on_error} when an internal error is caught."]
    general = {
        "exchange": "0 done; 1 the back end failed or the answer was not the expected one; 2 port not open; "
                    "4, 5, 6, 10 the back end of the connection type is missing",
        "port": "0 done; the description gives the others",
        "setter": "0 stored",
        "local": "0 done",
    }[k]
    parts = [general]
    own = getattr(op, "own_codes", {})
    if checked:
        unless = ", where not listed below" if own else ""
        parts.append(f"128 + k{unless}: argument k refused (out of range or null), nothing stored or sent")
    parts.append(f"{op.on_error} internal error caught")
    out = ["- **Codes:** " + "; ".join(parts) + "."]
    if own:
        out.append("- **Codes of its own** (`varanda_code_text_for`): " +
                   "; ".join(f"{c} {t}" for c, t in sorted(own.items())) + ".")
    return out


def op_section(op, form, linker, here):
    out = [f"### {op.name}", "", "```c", c_prototype(op), "```", ""]
    out.append(linker.link(" ".join(op.doc), here, op.name))
    out.append("")
    k = kind(op)
    line = f"- **Kind:** {KINDS[k]}"
    sends, reads = commands(op, "sends"), commands(op, "reads")
    if sends:
        line += f"; sends command{'s' if len(sends) > 1 else ''} {', '.join(map(str, sends))}"
    if reads:
        line += f"; reads answer{'s' if len(reads) > 1 else ''} {', '.join(map(str, reads))}"
    out.append(line + ".")
    out += code_lines(op)
    out += java_lines(form)
    args = {}
    notes = []
    for text, _ in op.details:
        m = DETAIL_RE.match(text)
        if m.group(1) == "arg":
            name, meaning = m.group(2).split(None, 1)
            args[name] = meaning
        elif m.group(1) == "note":
            notes.append(m.group(2))
    if op.params:
        out += ["", "| k | Argument | C type | Range and meaning |", "|---|---|---|---|"]
        for i, (t, n) in enumerate(op.params):
            from_ops = args.get(n)
            meaning = linker.link(from_ops, here, op.name) if from_ops else default_meaning(t, n, op.sizes.get(n))
            out.append(f"| {i} | `{n}` | `{op.ctype_of(t)}` | {meaning} |")
    for note in notes:
        out += ["", linker.link(note, here, op.name)]
    out.append("")
    return out


def family_intros(members):
    """The leading comment of each file of the family, once each."""
    seen, out = set(), []
    for o in members:
        path = o.place[2]
        if path in seen:
            continue
        seen.add(path)
        lines = []
        with open(path, encoding="utf-8") as f:
            for raw in f:
                if not raw.startswith("#"):
                    break
                lines.append(raw[1:].strip())
        if lines:
            out.append(" ".join(lines))
    return out


def family_page(family, members, forms, linker, number, total):
    out = [f"# {family.title}", "",
           f"Family {number} of {total} of the Varanda SDK's operations ([index](index.md)).", ""]
    for text in family_intros(members):
        out += [linker.link(text, family.slug, None), ""]
    out += ["| Operation | Kind | Commands |", "|---|---|---|"]
    for o in members:
        cmds = ", ".join(map(str, commands(o, "sends") + commands(o, "reads"))) or "-"
        out.append(f"| [`{o.name}`](#{anchor(o.name)}) | {kind(o)} | {cmds} |")
    out.append("")
    for o in members:
        out += op_section(o, forms.get(o.name), linker, family.slug)
    return "\n".join(out).rstrip("\n") + "\n"


INDEX_TOP = """\
# Varanda SDK reference

Generated from the operation lists of the source tree (`src/*/*.ops`); the
header `varanda.h` carries the same one-line descriptions, grouped the same
way. How a host is written, the calling convention and threads:
[hosts.md](../hosts.md).

## Kinds of operation

- **setter**: changes only a block or a setting that the SDK keeps in memory
  (one copy for the whole process, not one per terminal) and returns at
  once; it never talks to a terminal. Several blocks are consumed by the
  operation that sends them: afterwards they are back at their defaults (the
  sending operation says so).
- **exchange**: sends a command to the terminal, reads its answer, or both,
  and returns when the exchange has ended. The fingerprint and Ossel modules
  answer later than they are asked: an operation that asks (Solicitar, Fazer,
  Inserir, Incluir, Enviar) has a partner that fetches the answer (Receber,
  Resultado, ...FoiExcluido, ...FoiEnviado), directly from the terminal or,
  when the terminal is online, from its event stream (command 207).
- **port**: opens, closes or drives the back end's line.
- **local**: reads what the SDK has prepared, or shows a message.

## Codes

Every operation returns a one-byte code unless its section gives another
result. `varanda_code_text(code)` of `varanda_codes.h` gives these texts:

| Code | Meaning |
|---|---|
"""

INDEX_CODES_END = """\
| 128 + k | argument k out of range (arguments counted from 0, the terminal number included); nothing was stored or sent |

Some operations give the codes from 128 up a meaning of their own; their
sections list them ("Codes of its own"), and
`varanda_code_text_for(operation, code)` of `varanda_codes.h` gives those
texts (the general one for any other code). Among them:

- [`ColetarBilhete`](punches.md#coletarbilhete): 128, the terminal offered its
  last punch again (the host asks again).
- The [fingerprint module](bio.md): an answer operation turns the module's
  status into a code: 129 status 2, 7, 253 or 254; 130 status 3; 131 status 4;
  132 status 5; 133 status 6; 134 status 14; 135 status 251 or 252; 136
  status 22; 137 status 9; 128 any other status, and no answer when the
  answer is asked of the terminal (offline). The list collections also give
  136 for an empty list and 137 for an answer about another page.
- The [Ossel module](ossel.md): the result operations that ask the terminal
  (offline) give 0 for module result 0, 128 for 1, 129 for 2, 130 for 3, 131
  for 4, 132 for 5, 133 for 6 and 128 for 7 and above; those that read the
  event stream (online) give 0 for results 2 and 7, 130 for 3, 134 for 4, 128
  for any other, and 1 when the event is not a result message.

"""


def pages(groups, forms_list):
    """[(file name, text)] of docs/api/."""
    forms = {f.op.name: f for f in forms_list}
    by_name = {o.name: o for _, members in groups for o in members}
    for o in by_name.values():
        o.own_codes = gen_codes.op_codes(o, by_name)
    linker = Linker(groups)
    out = []
    index = [INDEX_TOP]
    for code, text in enumerate(general_code_texts()):
        index.append(f"| {code} | {text} |\n")
    index.append(INDEX_CODES_END)
    index.append("## Families\n\n| Family | Operations |\n|---|---|\n")
    for number, (family, members) in enumerate(groups, 1):
        index.append(f"| [{family.title}]({family.slug}.md) | {len(members)} |\n")
        out.append((f"{family.slug}.md", family_page(family, members, forms, linker, number, len(groups))))
    total = sum(len(m) for _, m in groups)
    index.append(f"\n## Every operation ({total})\n\n")
    everything = sorted((o.name, f.slug) for f, members in groups for o in members)
    index.append(" ·\n".join(f"[`{n}`]({slug}.md#{anchor(n)})" for n, slug in everything) + "\n")
    out.insert(0, ("index.md", "".join(index)))
    return out
