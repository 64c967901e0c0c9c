#!/usr/bin/env bash
# Installs what the builds and tests need and is not on the machine yet, one
# group at a time: the Linux build (cmake, g++, GoogleTest), a JDK, the
# mingw-w64 cross compilers (i686 and x86_64), clang with libFuzzer, 64-bit Wine and, where this
# machine runs 32-bit programs, 32-bit Wine; pkg-config and dpkg-deb for the
# package tests and scripts/package.sh; the collector's libraries, PostgreSQL
# and Chromium. A group that cannot be installed
# (no network, a package missing) is said in one line and the others go on:
# the test command then says which parts it could not build or run.
# Exit status: 1 only when the Linux build's own tools are missing afterwards.
set -u
cd "$(dirname "$0")/.."
export DEBIAN_FRONTEND=noninteractive

have_pkg() { dpkg -s "$1" >/dev/null 2>&1; }
updated=0
apt_install() {
  if [ $updated -eq 0 ]; then
    apt-get update -q >/dev/null 2>&1 || echo "install-deps: apt-get update failed (no network?)"
    updated=1
  fi
  apt-get install -y -q --no-install-recommends "$@" >/dev/null 2>&1
}
# group NAME CHECK-COMMAND PACKAGE...: installs the packages unless CHECK passes.
group() {
  local name=$1 check=$2
  shift 2
  eval "$check" && return 0
  apt_install "$@" && eval "$check" && { echo "install-deps: installed $name"; return 0; }
  echo "install-deps: could not install $name ($*)"
  return 1
}

group "the Linux build" 'command -v cmake >/dev/null && command -v g++ >/dev/null && command -v python3 >/dev/null && [ -f /usr/src/googletest/CMakeLists.txt ] && have_pkg libgtest-dev' \
  cmake g++ python3 googletest libgtest-dev
core=$?
group "a compiler cache" 'command -v ccache >/dev/null' ccache
group "a JDK" 'command -v javac >/dev/null' default-jdk-headless
group "the packaging tools" 'command -v pkg-config >/dev/null && command -v dpkg-deb >/dev/null' \
  pkg-config dpkg
# The fuzz targets: clang with its libFuzzer and sanitizer runtimes.
fuzzer_links() {
  local d
  d=$(mktemp -d)
  printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' >"$d/t.cpp"
  clang++ -fsanitize=fuzzer,address,undefined "$d/t.cpp" -o "$d/t" >/dev/null 2>&1
  local rc=$?
  rm -rf "$d"
  return $rc
}
group "clang with libFuzzer" 'command -v clang++ >/dev/null && fuzzer_links' clang libclang-rt-dev
# The collector service (services/collector) and its tests: a PostgreSQL
# server of the tests' own, and a headless browser for the status page.
group "SQLite" 'have_pkg libsqlite3-dev' libsqlite3-dev
group "libpq" 'have_pkg libpq-dev' libpq-dev
group "toml++" 'have_pkg libtomlplusplus-dev' libtomlplusplus-dev
group "cpp-httplib" 'have_pkg libcpp-httplib-dev' libcpp-httplib-dev
group "nlohmann-json" 'have_pkg nlohmann-json3-dev' nlohmann-json3-dev
group "CLI11" 'have_pkg libcli11-dev' libcli11-dev
group "PostgreSQL" 'ls /usr/lib/postgresql/*/bin/initdb >/dev/null 2>&1 && command -v psql >/dev/null' postgresql
group "Chromium" 'command -v chromium >/dev/null' chromium
group "the 32-bit Windows cross compiler" 'command -v i686-w64-mingw32-g++-posix >/dev/null' \
  g++-mingw-w64-i686 mingw-w64-i686-dev
group "the 64-bit Windows cross compiler" 'command -v x86_64-w64-mingw32-g++-posix >/dev/null' \
  g++-mingw-w64-x86-64 mingw-w64-x86-64-dev
# The bindings' tests: pytest for the Python binding (the system's Python),
# Mono's compiler and runtime for the C# binding.
group "pytest" '/usr/bin/python3 -c "import pytest" 2>/dev/null' python3-pytest
group "Mono (mcs, mono)" 'command -v mcs >/dev/null && command -v mono >/dev/null' mono-mcs mono-runtime
group "64-bit Wine" '[ -x /usr/lib/wine/wine64 ] && command -v wine >/dev/null' wine wine64

probe=$(bash scripts/probe-32bit.sh)
probe_rc=$?
if [ $probe_rc -eq 1 ]; then
  echo "install-deps: 32-bit Wine not installed: $probe"
elif ! have_pkg wine32:i386; then
  dpkg --add-architecture i386
  updated=0
  if ! apt_install wine wine32:i386; then
    # The i386 index can lag behind amd64 security updates; retry against
    # the plain release suites only.
    echo "install-deps: retrying wine32 against bookworm and bookworm-updates"
    tmp=$(mktemp -d)
    cat > "$tmp/sources.list" <<'SRC'
deb http://deb.debian.org/debian bookworm main
deb http://deb.debian.org/debian bookworm-updates main
SRC
    opts=(-o Dir::Etc::SourceList="$tmp/sources.list" -o Dir::Etc::SourceParts=/dev/null)
    apt-get "${opts[@]}" update -q >/dev/null 2>&1 || true
    apt-get "${opts[@]}" install -y -q --no-install-recommends -t bookworm wine wine32:i386 libwine:i386 \
      >/dev/null 2>&1 || echo "install-deps: could not install 32-bit Wine (wine32:i386)"
    rm -rf "$tmp"
  fi
  have_pkg wine32:i386 && echo "install-deps: installed 32-bit Wine"
fi
exit $core
