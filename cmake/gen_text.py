"""The frame every generated C++ file shares: a comment that says what the
file holds, a fixed preamble, one piece per item and a fixed close."""


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
