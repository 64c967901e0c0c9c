#!/usr/bin/env bash
# Builds the Windows zip twice, checks that both hold the same files and that
# the expected ones are there, then links the C example host with the mingw
# linker against the zip's import library and runs it under Wine, beside the
# zip's DLLs, against corvo-sim: ping and one punch.
# Usage: win_zip_test.sh BUILD_DIR SOURCE_DIR C_COMPILER CORVO_SIM WINE-COMMAND...
# (the build's own Wine command, so that each build runs its host with the
# Wine of its width)
. "$(dirname "$0")/common.sh"
cc=$3 sim=$4
shift 4
wine_command=$(printf '%q ' "$@")

unpack() {
  cpack -G ZIP --config "$build/CPackConfig.cmake" -B "$tmp/$1" >/dev/null
  local zip
  zip=$(ls "$tmp/$1"/varanda-3.0.0.12-win*.zip)
  mkdir "$tmp/$1/x"
  (cd "$tmp/$1/x" && cmake -E tar xf "$zip")
  basename "$zip" .zip
}
name=$(unpack one)
unpack two >/dev/null
diff -r "$tmp/one/x" "$tmp/two/x" || fail "two builds differ"
d=$tmp/one/x/$name

for f in Varanda.dll Corvo2K.dll CorvoTCP.dll CorvoTcpCom.dll CorvoSerialCom.dll varanda.h varanda_codes.h varanda_record.h \
         varanda.jar Varanda.def Varanda.lib README.txt docs/hosts.md docs/api/index.md; do
  [ -f "$d/$f" ] || fail "$f not in the zip"
done
grep -q $'regsvr32 CorvoTcpCom.dll\r$' "$d/README.txt" || fail "README.txt has no regsvr32 line (with CRLF)"
[ "$(grep -c '^    [A-Za-z]' "$d/Varanda.def")" = 217 ] || fail "Varanda.def does not list the 217 operations"

"$cc" -std=c99 -Wall -Werror -I"$d" -o "$d/c_host.exe" "$src/examples/c_host/host.c" "$d/Varanda.lib"
out=$("$sim" --punches 1 --lifetime 300 -- bash -c "cd \"$d\" && $wine_command c_host.exe \$CORVO_SIM_PORT" 2>&1) \
  || { echo "$out"; fail "the host failed"; }
echo "$out"
grep -q '^Ping: 0' <<<"$out" && grep -q '^ColetarBilhete: 0' <<<"$out" || fail "no ping or punch"
echo "win_zip: passed"
