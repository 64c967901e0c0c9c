"""Loading the SDK: libvaranda.so (Linux, C convention) or Varanda.dll
(Windows; stdcall on 32-bit), from VARANDA_LIBRARY when set, else by the
platform's search (LD_LIBRARY_PATH, the folder of the program, PATH)."""
import ctypes
import os
import struct
import sys

from . import _operations


def _default_name():
    return "Varanda.dll" if sys.platform == "win32" else "libvaranda.so"


def load(path=None):
    path = path or os.environ.get("VARANDA_LIBRARY") or _default_name()
    if sys.platform == "win32" and struct.calcsize("P") == 4:
        lib = ctypes.WinDLL(path)  # stdcall
    else:
        lib = ctypes.CDLL(path)
    for name, (restype, argtypes) in _operations.SIGNATURES.items():
        fn = getattr(lib, name)
        fn.restype = restype
        fn.argtypes = argtypes
    return lib
