#!/usr/bin/env python3
"""Checks that the SDK exports one JNI function for every native method of
the two Java classes, and no other JNI function.

  check_jni_exports.py <library> <java folder> [--expected FILE]

With --expected, the classes must declare exactly the JNI functions listed
in FILE (one plain name a line, as the generator writes jni_functions.txt).

On 32-bit Windows (a pei-i386 .dll) the names carry the stdcall decoration,
_Java_<class>_<method>@n with n = 8 + 4 x the method's Java arguments; on
64-bit Windows (pei-x86-64) and elsewhere they are plain. A DLL's names are
read from its export table with objdump -p, a shared object's with nm -D.
"""
import os
import re
import subprocess
import sys

NATIVE = re.compile(r"^\s*public static native int (\w+)\(([^)]*)\);", re.M)
CLASSES = [("Varanda", "Varanda.java"), ("com_melbrosa_Varanda", os.path.join("com", "melbrosa", "Varanda.java"))]


def pe_format(library):
    """"pei-i386", "pei-x86-64", or None for a shared object."""
    if not library.lower().endswith(".dll"):
        return None
    for tool in ("x86_64-w64-mingw32-objdump", "i686-w64-mingw32-objdump"):
        try:
            head = subprocess.run([tool, "-f", library], check=True, capture_output=True, text=True).stdout
        except (OSError, subprocess.CalledProcessError):
            continue
        m = re.search(r"file format (pei-\S+)", head)
        if m:
            return m.group(1)
    sys.exit(f"cannot read {library} with a mingw objdump")


def objdump_for(fmt):
    return "i686-w64-mingw32-objdump" if fmt == "pei-i386" else "x86_64-w64-mingw32-objdump"


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
        dump = subprocess.run([objdump_for(fmt), "-p", library], check=True, capture_output=True,
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
    expected = sys.argv[sys.argv.index("--expected") + 1] if "--expected" in sys.argv else None
    fmt = pe_format(library)
    want, have = declared(java_dir, fmt == "pei-i386"), exported(library, fmt)
    if expected is not None:
        with open(expected, encoding="utf-8") as f:
            listed = {line.strip() for line in f if line.strip()}
        plain = declared(java_dir, False)
        for n in sorted(listed - plain):
            print(f"the generator gives {n}, the Java classes do not declare it")
        for n in sorted(plain - listed):
            print(f"declared in Java, not given by the generator: {n}")
        if listed != plain:
            sys.exit(1)
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
