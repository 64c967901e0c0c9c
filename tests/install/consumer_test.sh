#!/usr/bin/env bash
# Installs the build tree into a temporary prefix, then builds and runs the
# three example hosts against it (CMake find_package, pkg-config, the jar),
# each against corvo-sim from the prefix: ping and one punch, without
# LD_LIBRARY_PATH. Usage: consumer_test.sh BUILD_DIR SOURCE_DIR
. "$(dirname "$0")/common.sh"

p=$tmp/prefix
cmake --install "$build" --prefix "$p" >/dev/null

# The layout a host developer relies on.
for f in include/varanda.h include/varanda_codes.h include/varanda_record.h lib/libvaranda.so lib/libvaranda.so.3 lib/libvaranda.so.3.0.0 \
         lib/libCorvo2K.so lib/libCorvoTCP.so lib/libCorvoTcpCom.so lib/libCorvoSerialCom.so \
         lib/cmake/Varanda/VarandaConfig.cmake lib/cmake/Varanda/VarandaConfigVersion.cmake \
         lib/pkgconfig/varanda.pc share/java/varanda.jar bin/corvo-sim \
         share/doc/varanda/hosts.md share/doc/varanda/api/index.md; do
  [ -e "$p/$f" ] || fail "$f not installed"
done
[ "$(readlink "$p/lib/libvaranda.so")" = libvaranda.so.3 ] || fail "libvaranda.so does not name libvaranda.so.3"
[ "$(readlink "$p/lib/libvaranda.so.3")" = libvaranda.so.3.0.0 ] || fail "libvaranda.so.3 does not name 3.0.0"
readelf -d "$p/lib/libvaranda.so.3.0.0" | grep -q 'SONAME.*\[libvaranda\.so\.3\]' || fail "SONAME is not libvaranda.so.3"
readelf -d "$p/lib/libvaranda.so.3.0.0" | grep -q 'RUNPATH.*\[\$ORIGIN\]' || fail "RUNPATH is not \$ORIGIN"

# The examples of docs/hosts.md are these files, word for word.
python3 - "$src" <<'PY' || fail "docs/hosts.md does not show the example files as they are"
import sys
src = sys.argv[1]
page = open(f"{src}/docs/hosts.md", encoding="utf-8").read()
for f in ("c_host/host.c", "cpp_host/CMakeLists.txt", "cpp_host/host.cpp", "java_host/Host.java"):
    if open(f"{src}/examples/{f}", encoding="utf-8").read() not in page:
        sys.exit(f"examples/{f} differs")
PY

# C++ with find_package(Varanda).
cmake -S "$src/examples/cpp_host" -B "$tmp/cpp" -DCMAKE_PREFIX_PATH="$p" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$tmp/cpp" >/dev/null
# C with pkg-config.
export PKG_CONFIG_PATH=$p/lib/pkgconfig
[ "$(pkg-config --modversion varanda)" = 3.0.0.12 ] || fail "pkg-config version"
# shellcheck disable=SC2046
cc -std=c99 -Wall -Wextra -Werror -o "$tmp/c_host" "$src/examples/c_host/host.c" $(pkg-config --cflags --libs varanda)
# Java with the installed jar.
mkdir "$tmp/java"
javac -encoding UTF-8 -Xlint:all -Werror -cp "$p/share/java/varanda.jar" -d "$tmp/java" "$src/examples/java_host/Host.java"

found=$(ldd "$tmp/c_host" | sed -n 's/^\s*libvaranda\.so\.3 => \(\S*\) .*/\1/p')
[ -n "$found" ] && [ "$(realpath "$found")" = "$(realpath "$p/lib/libvaranda.so.3")" ] \
  || fail "the C host does not find the SDK in the prefix"

cat > "$tmp/hosts.sh" <<HOSTS
set -e
"$tmp/cpp/cpp_host" "\$CORVO_SIM_PORT"
"$tmp/c_host" "\$CORVO_SIM_PORT"
java -Xcheck:jni -Djava.library.path="$p/lib" -cp "$p/share/java/varanda.jar:$tmp/java" Host "\$CORVO_SIM_PORT"
HOSTS
out=$("$p/bin/corvo-sim" --punches 3 --lifetime 300 -- bash "$tmp/hosts.sh" 2>&1) || { echo "$out"; fail "a host failed"; }
echo "$out"
[ "$(grep -c '^Ping: 0' <<<"$out")" = 3 ] || fail "not three pings"
[ "$(grep -c '^ColetarBilhete: 0' <<<"$out")" = 3 ] || fail "not three punches"
[ "$(grep -c '^punch type' <<<"$out")" = 3 ] || fail "not three punch lines"
echo "install_consumers: passed"
