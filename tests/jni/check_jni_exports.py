#!/usr/bin/env python3
"""Checks that the SDK exports one JNI function for every native method of
the two Java classes, and no other.

  check_jni_exports.py <library> <java folder>

A 32-bit Windows DLL carries the stdcall names _Java_<class>_<method>@n,
n = 8 + 4 x the Java arguments; 64-bit Windows and shared objects the plain
ones. A DLL's names are read with objdump -p, a shared object's with nm -D.
"""
import os
import re
import subprocess
import sys

NATIVE = re.compile(r"^\s*public static native int (\w+)\(([^)]*)\);", re.M)
CLASSES = [("Varanda", "Varanda.java"), ("com_melbrosa_Varanda", os.path.join("com", "melbrosa", "Varanda.java"))]
OBJDUMPS = {"pei-i386": "i686-w64-mingw32-objdump", "pei-x86-64": "x86_64-w64-mingw32-objdump"}


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def pe_format(library):
    """"pei-i386", "pei-x86-64", or None for a shared object."""
    if not library.lower().endswith(".dll"):
        return None
    for tool in OBJDUMPS.values():
        try:
            m = re.search(r"file format (pei-\S+)", run(tool, "-f", library))
        except (OSError, subprocess.CalledProcessError):
            continue
        if m:
            return m.group(1)
    sys.exit(f"cannot read {library} with a mingw objdump")


def declared(java_dir, decorated):
    names = set()
    for cls, rel in CLASSES:
        with open(os.path.join(java_dir, rel), encoding="utf-8") as f:
            methods = NATIVE.findall(f.read())
        if not methods:
            sys.exit(f"no native methods in {rel}")
        for method, params in methods:
            count = len([p for p in params.split(",") if p.strip()])
            names.add(f"_Java_{cls}_{method}@{8 + 4 * count}" if decorated else f"Java_{cls}_{method}")
    return names


def exported(library, fmt):
    if fmt:
        table = run(OBJDUMPS[fmt], "-p", library).split("[Ordinal/Name Pointer] Table", 1)[1].split("\n\n", 1)[0]
        names = re.findall(r"^\s*\[\s*\d+\]\s+(\S+)$", table, re.M)
    else:
        names = [line.split()[-1] for line in run("nm", "-D", "--defined-only", library).splitlines() if line.strip()]
    return {n for n in names if "Java_" in n}


def main():
    library, java_dir = sys.argv[1], sys.argv[2]
    fmt = pe_format(library)
    want, have = declared(java_dir, fmt == "pei-i386"), exported(library, fmt)
    for n in sorted(want - have):
        print(f"not exported: {n}")
    for n in sorted(have - want):
        print(f"exported but not declared in Java: {n}")
    if want != have:
        sys.exit(1)
    print(f"{len(have)} JNI functions, as the Java classes declare them")


if __name__ == "__main__":
    main()
