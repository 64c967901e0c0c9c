#!/usr/bin/env bash
# Builds the Debian package twice, checks its information and contents, that
# both builds give the same files, then unpacks it into a temporary root and
# runs a host built from there against the unpacked corvo-sim.
# Usage: deb_test.sh BUILD_DIR SOURCE_DIR
. "$(dirname "$0")/common.sh"

make_deb() {
  cpack -G DEB --config "$build/CPackConfig.cmake" -B "$1" >/dev/null
  ls "$1"/varanda_3.0.0.12_*.deb
}
deb=$(make_deb "$tmp/one")
deb2=$(make_deb "$tmp/two")

info=$(dpkg-deb --info "$deb")
for field in "Package: varanda" "Version: 3.0.0.12" "Architecture: amd64" "Depends: libc6"; do
  grep -q "$field" <<<"$info" || fail "control has no '$field'"
done
[ "$(dpkg-deb --info "$deb" md5sums)" = "$(dpkg-deb --info "$deb2" md5sums)" ] || fail "two builds differ"

contents=$(dpkg-deb --contents "$deb" | awk '{print $6}')
for f in ./usr/include/varanda.h ./usr/include/varanda_codes.h ./usr/include/varanda_record.h ./usr/lib/libvaranda.so.3.0.0 ./usr/lib/libvaranda.so.3 \
         ./usr/lib/libvaranda.so ./usr/lib/libCorvo2K.so ./usr/lib/libCorvoTCP.so ./usr/lib/libCorvoTcpCom.so \
         ./usr/lib/libCorvoSerialCom.so ./usr/lib/cmake/Varanda/VarandaConfig.cmake ./usr/lib/pkgconfig/varanda.pc \
         ./usr/share/java/varanda.jar ./usr/bin/corvo-sim ./usr/share/doc/varanda/api/index.md; do
  grep -qx "$f" <<<"$contents" || fail "$f not in the package"
done
if [ -x "$build/bin/varanda-collector" ]; then  # the collector service and its unit, where it is built
  for f in ./usr/bin/varanda-collector ./usr/lib/systemd/system/varanda-collector.service; do
    grep -qx "$f" <<<"$contents" || fail "$f not in the package"
  done
fi
grep -v -e '^\./usr/' -e '^\./$' <<<"$contents" && fail "files outside /usr"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
export PKG_CONFIG_PATH=$root/usr/lib/pkgconfig
# shellcheck disable=SC2046
cc -std=c99 -Wall -Werror -o "$tmp/c_host" "$src/examples/c_host/host.c" $(pkg-config --cflags --libs varanda)
out=$("$root/usr/bin/corvo-sim" --punches 1 --lifetime 120 -- bash -c "\"$tmp/c_host\" \$CORVO_SIM_PORT" 2>&1) \
  || { echo "$out"; fail "the host failed"; }
echo "$out"
grep -q '^Ping: 0' <<<"$out" && grep -q '^ColetarBilhete: 0' <<<"$out" || fail "no ping or punch"
echo "deb_package: passed"
