"""VarandaError and the texts of the codes."""
from . import _operations


def code_text(operation, code):
    """The meaning `operation` gives `code`, else the general meaning."""
    own = _operations.OWN_CODES.get(operation, {})
    if code in own:
        return own[code]
    if code < len(_operations.GENERAL_CODES):
        return _operations.GENERAL_CODES[code]
    if code >= 128:
        return f"argument {code - 128} out of range"
    return "unknown code"


class VarandaError(Exception):
    """An operation answered a code other than 0."""

    def __init__(self, operation, code):
        self.operation = operation
        self.code = code
        self.text = code_text(operation, code)
        super().__init__(f"{operation}: {self.text} (code {code})")
