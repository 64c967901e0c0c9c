#!/bin/sh
# The Windows build's varanda.exe once under Wine, against the native corvo-sim
# that runs this script (CORVO_SIM_PORT): usage: wine_run.sh EMULATOR...
# Run in the folder of varanda.exe and the DLLs.
set -u
fail() { echo "wine_run: $*" >&2; exit 1; }
out=varanda-wine-test.csv
rm -rf "$out" "$out.state"
"$@" varanda.exe --port "$CORVO_SIM_PORT" --terminal 1,2 ping || fail "ping failed"
"$@" varanda.exe --port "$CORVO_SIM_PORT" --terminal 1,2 collect --out "$out" || fail "collect failed"
lines=$(wc -l < "$out")
[ "$lines" -eq 101 ] || fail "$out has $lines lines, not a header and 100 punches"
head -1 "$out" | tr -d '\r' | grep -qx 'terminal,type,date,time,card' || fail "no header in $out"
"$@" varanda.exe --terminal 5-1 ping 2>/dev/null
[ $? -eq 2 ] || fail "a backward terminal list is not a usage error"
rm -rf "$out" "$out.state"
echo "wine_run: ok"
