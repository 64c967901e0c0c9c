"""What the generators share: the frame of a generated C++ file (a comment
that says what the file holds, a fixed preamble, one piece per item and a
fixed close), the templates that hold a generated file's fixed text
(cmake/templates/), and the reading of declaration files."""
import os

TEMPLATES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "templates")


def cpp_file(comment, preamble, pieces, close=""):
    """comment: the lines after '// ' ('Generated: ' is put first)."""
    lines = ("Generated: " + comment).splitlines()
    return "".join(f"// {line}\n" for line in lines) + preamble + "".join(pieces) + close


def declaration_lines(path):
    """(number, where, line) for each line of a declaration file that is
    neither blank nor a comment; where is 'path:number' for messages."""
    with open(path, encoding="utf-8") as f:
        for lineno, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if line.strip() and not line.lstrip().startswith("#"):
                yield lineno, f"{path}:{lineno}", line


def fill(template, **parts):
    """The template's text with each '@KEY@' replaced by parts[key]; a marker
    alone on its line stands for whole lines (a part ending in a newline)."""
    with open(os.path.join(TEMPLATES, template), encoding="utf-8") as f:
        text = f.read()
    for key, part in parts.items():
        marker = f"@{key.upper()}@"
        if marker not in text:
            raise KeyError(f"{template}: no {marker}")
        text = text.replace(f"\n{marker}\n", "\n" + part).replace(marker, part)
    return text


def template_lines(template):
    """The lines of a template data file that are neither blank nor comments."""
    return [line for _, _, line in declaration_lines(os.path.join(TEMPLATES, template))]
