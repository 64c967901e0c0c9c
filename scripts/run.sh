#!/usr/bin/env bash
# The main job: builds what is missing and runs the demo host against a
# corvo-sim that it starts with 500 stored punches: first natively (Linux),
# then the Windows build of the SDK, back-end and demo under Wine against the
# same kind of emulator: the 32-bit build where this machine runs 32-bit
# programs, else the 64-bit build.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

bash scripts/install-deps.sh || true

echo "== Linux"
[ -f build/CMakeCache.txt ] || cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs" --target varanda corvo_tcp corvo-sim corvo-demo >/dev/null
# A host sets one search path: the folder with the SDK and its back-ends.
status=0
LD_LIBRARY_PATH="$PWD/build/lib" build/bin/corvo-sim --punches 500 --lifetime 600 -- build/bin/corvo-demo || status=1

probe_rc=0
probe=$(bash scripts/probe-32bit.sh) || probe_rc=$?
if [ $probe_rc -ne 1 ] && [ -x /usr/lib/wine/wine ] && command -v i686-w64-mingw32-g++-posix >/dev/null; then
  bits=32 dir=build-win32 toolchain=cmake/mingw-i686.cmake loader=/usr/lib/wine/wine arch=win32
elif [ -x /usr/lib/wine/wine64 ] && command -v x86_64-w64-mingw32-g++-posix >/dev/null; then
  bits=64 dir=build-win64 toolchain=cmake/mingw-x86_64.cmake loader=/usr/lib/wine/wine64 arch=win64
else
  echo "== Windows build under Wine: not run ($probe; no 64-bit Wine or cross compiler either)"
  exit $status
fi
echo "== Windows $bits-bit build under Wine ($probe)"
export WINEDEBUG=-all WINEPREFIX="$PWD/$dir/wine" WINEARCH=$arch WINELOADER=$loader
[ -f $dir/CMakeCache.txt ] ||
  cmake -S . -B $dir -DCMAKE_TOOLCHAIN_FILE=$toolchain -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build $dir -j"$jobs" --target varanda corvo_tcp corvo-demo corvo_sim_native >/dev/null
[ -d "$WINEPREFIX" ] || "$loader" wineboot -i >/dev/null 2>&1 || true
(cd $dir/bin && ../native/bin/corvo-sim --punches 500 --lifetime 600 -- "$loader" corvo-demo.exe) || status=1

exit $status
