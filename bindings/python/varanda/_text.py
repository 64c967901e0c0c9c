"""Texts on the terminal side are single bytes, ISO-8859-1."""

ENCODING = "iso-8859-1"


def to_terminal(text):
    """str -> the terminal's bytes ('?' for a character outside ISO-8859-1);
    bytes pass unchanged; None stays None (the operation refuses it)."""
    if text is None or isinstance(text, (bytes, bytearray)):
        return None if text is None else bytes(text)
    return str(text).encode(ENCODING, errors="replace")


def from_terminal(raw):
    """The terminal's bytes up to the first zero byte -> str."""
    return bytes(raw).split(b"\0", 1)[0].decode(ENCODING)
