#!/usr/bin/env python3
"""Builds the pure-Python wheel of package `varanda` without network or
build tools (a wheel is a zip with METADATA, WHEEL and RECORD):

    build_wheel.py VERSION OUT_DIR      -> OUT_DIR/varanda-VERSION-py3-none-any.whl
"""
import base64
import hashlib
import os
import sys
import zipfile

HERE = os.path.dirname(os.path.abspath(__file__))
METADATA = """\
Metadata-Version: 2.1
Name: varanda
Version: {version}
Summary: The Varanda SDK for Python hosts (ctypes over libvaranda.so / Varanda.dll)
Requires-Python: >=3.7
"""
WHEEL = """\
Wheel-Version: 1.0
Generator: varanda build_wheel.py
Root-Is-Purelib: true
Tag: py3-none-any
"""


def digest(data):
    return "sha256=" + base64.urlsafe_b64encode(hashlib.sha256(data).digest()).rstrip(b"=").decode()


def main():
    version, out = sys.argv[1], sys.argv[2]
    info = f"varanda-{version}.dist-info"
    files = [(f"varanda/{n}", open(os.path.join(HERE, "varanda", n), "rb").read())
             for n in sorted(os.listdir(os.path.join(HERE, "varanda"))) if n.endswith(".py")]
    files += [(f"{info}/METADATA", METADATA.format(version=version).encode()), (f"{info}/WHEEL", WHEEL.encode())]
    record = "".join(f"{name},{digest(data)},{len(data)}\n" for name, data in files) + f"{info}/RECORD,,\n"
    os.makedirs(out, exist_ok=True)
    path = os.path.join(out, f"varanda-{version}-py3-none-any.whl")
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as z:
        for name, data in files + [(f"{info}/RECORD", record.encode())]:
            z.writestr(zipfile.ZipInfo(name, date_time=(2026, 1, 1, 0, 0, 0)), data)
    print(path)


if __name__ == "__main__":
    main()
