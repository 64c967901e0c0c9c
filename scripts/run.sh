#!/usr/bin/env bash
# The main job: builds what is missing and runs the smoke host against the
# Linux library and, under Wine, against the Windows DLL.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
if [ ! -f build/lib/libvaranda.so ]; then
  cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  cmake --build build -j"$jobs" --target smoke_host varanda
fi
echo "== Linux"
build/lib/smoke_host "$PWD/build/lib/libvaranda.so" "${1:-1}" "${2:-1}"
if command -v wine >/dev/null && command -v i686-w64-mingw32-gcc-posix >/dev/null; then
  if [ ! -f build-win32/bin/Varanda.dll ]; then
    cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build build-win32 -j"$jobs" --target smoke_host varanda
  fi
  echo "== Windows (Wine)"
  (cd build-win32/bin && WINEDEBUG=-all wine smoke_host.exe Varanda.dll "${1:-1}" "${2:-1}")
fi
