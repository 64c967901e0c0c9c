#!/usr/bin/env python3
"""Checks that the SDK exports one JNI function for every native method of
the two Java classes, and no other JNI function.

  check_jni_exports.py <library> <java folder> [--per-class N]

With --per-class, each class must also declare exactly N native methods.

On Windows (a .dll) the names carry the 32-bit stdcall decoration,
_Java_<class>_<method>@n with n = 8 + 4 x the method's Java arguments, read
from the export table with i686-w64-mingw32-objdump -p; elsewhere the plain
names, read with nm -D.
"""
import os
import re
import subprocess
import sys

NATIVE = re.compile(r"^\s*public static native int (\w+)\(([^)]*)\);", re.M)
CLASSES = [("Varanda", "Varanda.java"), ("com_melbrosa_Varanda", os.path.join("com", "melbrosa", "Varanda.java"))]


def declared(java_dir, windows):
    names = set()
    for cls, rel in CLASSES:
        with open(os.path.join(java_dir, rel), encoding="utf-8") as f:
            methods = NATIVE.findall(f.read())
        if not methods:
            sys.exit(f"no native methods in {rel}")
        for method, params in methods:
            count = len([p for p in params.split(",") if p.strip()])
            names.add(f"_Java_{cls}_{method}@{8 + 4 * count}" if windows else f"Java_{cls}_{method}")
    return names


def exported(library, windows):
    if windows:
        dump = subprocess.run(["i686-w64-mingw32-objdump", "-p", library], check=True, capture_output=True,
                              text=True).stdout
        table = dump.split("[Ordinal/Name Pointer] Table", 1)[1].split("\n\n", 1)[0]
        names = re.findall(r"^\s*\[\s*\d+\]\s+(\S+)$", table, re.M)
    else:
        dump = subprocess.run(["nm", "-D", "--defined-only", library], check=True, capture_output=True,
                              text=True).stdout
        names = [line.split()[-1] for line in dump.splitlines() if line.strip()]
    return {n for n in names if "Java_" in n}


def main():
    library, java_dir = sys.argv[1], sys.argv[2]
    per_class = int(sys.argv[sys.argv.index("--per-class") + 1]) if "--per-class" in sys.argv else None
    windows = library.lower().endswith(".dll")
    want, have = declared(java_dir, windows), exported(library, windows)
    if per_class is not None:
        for cls, _ in CLASSES:
            n = len([w for w in want if re.match(rf"^_?Java_{cls}_[A-Za-z0-9]+(@\d+)?$", w)])
            if n != per_class:
                sys.exit(f"class {cls} declares {n} native methods, not {per_class}")
    missing, extra = sorted(want - have), sorted(have - want)
    for n in missing:
        print(f"not exported: {n}")
    for n in extra:
        print(f"exported but not declared in Java: {n}")
    if missing or extra:
        sys.exit(1)
    print(f"{len(have)} JNI functions, as the Java classes declare them")


if __name__ == "__main__":
    main()
