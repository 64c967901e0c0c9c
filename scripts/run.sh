#!/usr/bin/env bash
# The main job: builds what is missing and runs the demo host against a
# corvo-sim that it starts with 500 stored punches: first natively (Linux),
# then the Windows build of the SDK, back-end and demo under Wine against the
# same kind of emulator.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

bash scripts/install-deps.sh

echo "== Linux"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target varanda corvo_tcp corvo-sim corvo-demo >/dev/null
# A host sets one search path: the folder with the SDK and its back-ends.
status=0
LD_LIBRARY_PATH="$PWD/build/lib" build/bin/corvo-sim --punches 500 --lifetime 600 -- build/bin/corvo-demo || status=1

echo "== Windows build under Wine"
export WINEDEBUG=-all
[ -d "${WINEPREFIX:-$HOME/.wine}" ] || wineboot -i >/dev/null 2>&1 || true
[ -f build-win32/CMakeCache.txt ] ||
  cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win32 -j"$jobs" --target varanda corvo_tcp corvo-demo corvo_sim_native >/dev/null
(cd build-win32/bin && ../native/bin/corvo-sim --punches 500 --lifetime 600 -- wine corvo-demo.exe) || status=1

exit $status
