#!/usr/bin/env bash
# Installs what is missing, builds the Linux and Windows builds and runs every
# test: Linux plain, Linux under AddressSanitizer and UndefinedBehaviorSanitizer,
# the concurrency suites under ThreadSanitizer, and the Windows build under Wine.
set -eu
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

bash scripts/install-deps.sh

status=0
run_ctest() {
  local dir=$1
  shift
  (cd "$dir" && ctest --output-on-failure "$@") || status=1
}

echo "== Linux build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
run_ctest build

echo "== Linux build under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DVARANDA_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest build-asan -LE no-sanitize

echo "== Linux build under ThreadSanitizer: the concurrency suites"
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARANDA_TSAN=ON >/dev/null
cmake --build build-tsan -j"$jobs" --target corvo_parallel_tests corvo_tcp_map_tests
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 run_ctest build-tsan -R '^(parallel_e2e|tcp_map)$'

echo "== Windows build (mingw-w64 i686), tests under Wine"
cmake -S . -B build-win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-win32 -j"$jobs"
run_ctest build-win32

exit $status
