#!/usr/bin/env bash
# Makes the packages a site is given, into dist/:
#   varanda_3.0.0.12_amd64.deb      the Linux build (CPack, Debian package)
#   varanda-3.0.0.12-win32.zip      the 32-bit Windows build
#   varanda-3.0.0.12-win64.zip      the 64-bit Windows build (when its toolchain is present)
#   varanda-3.0.0.12-py3-none-any.whl  the Python binding (pip install dist/varanda-*.whl)
# It installs what is missing, configures the builds that do not exist yet and
# builds only what the packages hold. Usage: bash scripts/package.sh
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

bash scripts/install-deps.sh

# What the install rules of a build take: the SDK, the back-ends, the Java
# classes and, where the build has them, corvo-sim, the command-line tool, the
# collector service and the import library.
build_packaged() {
  local dir=$1 targets=(varanda corvo_2k corvo_tcp corvo_tcp_com corvo_serial_com) t
  local known
  known=$(cmake --build "$dir" --target help | sed -n 's/^\.\.\. \([^ ]*\).*/\1/p')
  for t in varanda_java corvo-sim varanda_import_lib varanda-tool varanda_tool varanda-cli varanda-collector; do
    grep -qx "$t" <<<"$known" && targets+=("$t")
  done
  cmake --build "$dir" -j"$jobs" --target "${targets[@]}" >/dev/null
}

package() {
  local dir=$1 generator=$2
  build_packaged "$dir"
  cpack -G "$generator" --config "$dir/CPackConfig.cmake" -B dist >/dev/null
}

mkdir -p dist
echo "== Debian package (build/)"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
package build DEB

for win in win32 win64; do
  case $win in
    win32) toolchain=cmake/mingw-i686.cmake ;;
    win64) toolchain=cmake/mingw-x86_64.cmake ;;
  esac
  if [ ! -f "$toolchain" ]; then
    echo "== $win: no $toolchain, no zip"
    continue
  fi
  echo "== $win zip (build-$win/)"
  [ -f "build-$win/CMakeCache.txt" ] ||
    cmake -S . -B "build-$win" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release >/dev/null
  package "build-$win" ZIP
done
echo "== Python wheel"
python3 bindings/python/build_wheel.py 3.0.0.12 dist
rm -rf dist/_CPack_Packages
ls -l dist
