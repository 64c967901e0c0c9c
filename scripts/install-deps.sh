#!/usr/bin/env bash
# Installs what the builds and tests need and is not on the machine yet:
# cmake, g++, GoogleTest, the mingw-w64 i686 cross compiler, 32-bit Wine, a JDK,
# and pkg-config for the consumer tests and scripts/package.sh.
set -u
need=()
command -v cmake >/dev/null || need+=(cmake)
command -v g++ >/dev/null || need+=(g++)
command -v python3 >/dev/null || need+=(python3)
[ -f /usr/src/googletest/CMakeLists.txt ] || need+=(googletest libgtest-dev)
command -v i686-w64-mingw32-g++ >/dev/null || need+=(g++-mingw-w64-i686 mingw-w64-i686-dev)
command -v javac >/dev/null || need+=(default-jdk-headless)
command -v pkg-config >/dev/null || need+=(pkg-config)
command -v dpkg-deb >/dev/null || need+=(dpkg)
wine_ok=1
{ command -v wine >/dev/null && dpkg -s wine32:i386 >/dev/null 2>&1; } || wine_ok=0
[ ${#need[@]} -eq 0 ] && [ $wine_ok -eq 1 ] && exit 0

export DEBIAN_FRONTEND=noninteractive
if [ $wine_ok -eq 0 ]; then
  dpkg --add-architecture i386
fi
apt-get update -q || true
if [ ${#need[@]} -gt 0 ]; then
  apt-get install -y -q --no-install-recommends "${need[@]}" || exit 1
fi
if [ $wine_ok -eq 0 ]; then
  if ! apt-get install -y -q --no-install-recommends wine wine32:i386; then
    # The i386 index can lag behind amd64 security updates; retry against
    # the plain release suites only.
    echo "install-deps: retrying wine32 against bookworm and bookworm-updates" >&2
    tmp=$(mktemp -d)
    cat > "$tmp/sources.list" <<'SRC'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
SRC
    opts=(-o Dir::Etc::SourceList="$tmp/sources.list" -o Dir::Etc::SourceParts=/dev/null)
    apt-get "${opts[@]}" update -q || true
    apt-get "${opts[@]}" install -y -q --no-install-recommends -t bookworm wine wine32:i386 libwine:i386 || exit 1
    rm -rf "$tmp"
  fi
fi
exit 0
