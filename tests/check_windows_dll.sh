#!/usr/bin/env bash
# Checks the export and import tables and the version resource of a Windows
# build of the SDK, without running it: exactly the declared operations under
# their plain names (no Name@n twins) beside the JNI functions (whose names
# jni/check_jni_exports.py checks), and imports of system DLLs only.
#   check_windows_dll.sh DLL OPERATIONS_FILE 32|64
# With OPERATIONS_FILE "-" only the format and the imports are checked (the
# back-ends, the COM components and the programs).
set -eu
dll=$1
ops=$2   # file with one operation name per line
bits=$3
case "$bits" in
  32) objdump=i686-w64-mingw32-objdump; format='pei-i386' ;;
  64) objdump=x86_64-w64-mingw32-objdump; format='pei-x86-64' ;;
  *) echo "usage: $0 DLL OPERATIONS_FILE 32|64"; exit 2 ;;
esac
dump=$("$objdump" -p "$dll")
printf '%s\n' "$dump" | grep -q "file format $format" || { echo "$dll is not $format"; exit 1; }
imports=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for d in $imports; do
  case "$d" in
    kernel32.dll|user32.dll|ole32.dll|oleaut32.dll|msvcrt.dll|advapi32.dll|ws2_32.dll|api-ms-win-*) ;;
    *) echo "$dll imports a non-system DLL: $d"; exit 1 ;;
  esac
done
[ "$ops" != "-" ] || { echo "$(basename "$dll"): $format, system DLLs only"; exit 0; }
exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' | sed -n 's/^\s*\[ *[0-9]*\] //p' | sort)
plain=$(printf '%s\n' "$exports" | grep -v -E '^_?Java_' || true)
expected=$(sort "$ops")
if [ "$plain" != "$expected" ]; then
  echo "exports differ from the declared operations:"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$plain") || true
  exit 1
fi
strings -el "$dll" | grep -qx '3.0.0.12' || { echo "no version 3.0.0.12 in the resource"; exit 1; }
strings -el "$dll" | grep -qx 'Varanda' || { echo "no internal name Varanda in the resource"; exit 1; }
echo "$bits-bit export and import tables as expected ($(printf '%s\n' "$plain" | wc -l) operations," \
     "$(printf '%s\n' "$exports" | grep -c -E '^_?Java_') JNI functions)"
