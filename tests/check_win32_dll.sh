#!/usr/bin/env bash
# Checks the export and import tables of the Windows DLL: exactly the
# declared operations under their plain names (no Name@n twins) plus the JNI
# functions, and imports of system DLLs only.
set -eu
dll=$1
ops=$2   # file with one operation name per line
dump=$(i686-w64-mingw32-objdump -p "$dll")
exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
plain=$(printf '%s\n' "$exports" | grep -v '^_Java_' || true)
expected=$(sort "$ops")
if [ "$plain" != "$expected" ]; then
  echo "exports differ from the declared operations:"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$plain") || true
  exit 1
fi
bad_jni=$(printf '%s\n' "$exports" | grep '^_Java_' | grep -v -E '^_Java_(Varanda|com_melbrosa_Varanda)_[A-Za-z0-9]+@[0-9]+$' || true)
[ -z "$bad_jni" ] || { echo "unexpected JNI names: $bad_jni"; exit 1; }
printf '%s\n' "$exports" | grep -q '^_Java_Varanda_AcionarRele1@12$' || { echo "missing _Java_Varanda_AcionarRele1@12"; exit 1; }
imports=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for d in $imports; do
  case "$d" in
    kernel32.dll|user32.dll|ole32.dll|oleaut32.dll|msvcrt.dll|advapi32.dll|ws2_32.dll|api-ms-win-*) ;;
    *) echo "imports a non-system DLL: $d"; exit 1 ;;
  esac
done
i686-w64-mingw32-objdump -s -j .rsrc "$dll" | tr -d ' \n' >/dev/null
strings -el "$dll" | grep -qx '3.0.0.12' || { echo "no version 3.0.0.12 in the resource"; exit 1; }
strings -el "$dll" | grep -qx 'Varanda' || { echo "no internal name Varanda in the resource"; exit 1; }
echo "export and import tables as expected ($(printf '%s\n' "$plain" | wc -l) operations)"
