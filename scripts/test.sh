#!/usr/bin/env bash
# Installs what is missing, builds every build and runs every test that this
# machine can run: Linux plain, Linux under AddressSanitizer and
# UndefinedBehaviorSanitizer, the concurrency suites under ThreadSanitizer,
# the fuzz targets (seeds and reproducers replayed, a short run of each),
# the 64-bit Windows build under 64-bit Wine and
# the 32-bit Windows build under 32-bit Wine. Where this machine cannot run
# 32-bit programs the 32-bit build is still built and its tables checked
# without running it; its Wine runs are counted as skipped. A part whose
# tools are missing is said in one line and skipped.
# Exit status 0 exactly when everything that ran passed (and every build that
# was attempted succeeded).
set -u
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)
logs=build-logs
mkdir -p "$logs"

status=0
passed=0 failed=0 skipped=0
summary=()
stage_start=0
begin() { echo; echo "== $1"; stage_start=$SECONDS; }
# end NAME OUTCOME: one line of the closing table.
end() { summary+=("$(printf '%-34s %5ss  %s' "$1" $((SECONDS - stage_start)) "$2")"); }
say_skip() { echo "$1"; summary+=("$(printf '%-34s %5s   %s' "$2" - "$1")"); }

# run_ctest DIR LOGNAME CTEST-ARGS...: runs the tests, adds them to the counts
# and sets $outcome.
run_ctest() {
  local dir=$1 log=$logs/$2.log
  shift 2
  (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tee "$log"
  local line ran bad skip
  line=$(grep -E '[0-9]+ tests failed out of [0-9]+' "$log" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1)); status=1; outcome="failed: ctest ran no test"
    return
  fi
  bad=$(printf '%s\n' "$line" | sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/')
  ran=$(printf '%s\n' "$line" | sed -E 's/.* tests failed out of ([0-9]+).*/\1/')
  # A test that could not have what it needs (a server, a browser) exits 77: ctest lists it as skipped.
  skip=$(grep -cE '^[[:space:]]*[0-9]+ - .*\(Skipped\)$' "$log")
  passed=$((passed + ran - bad - skip)); failed=$((failed + bad)); skipped=$((skipped + skip))
  if [ "$bad" -ne 0 ]; then status=1; outcome="$bad of $ran failed"; else outcome="$((ran - skip)) passed"; fi
  if [ "$skip" -ne 0 ]; then outcome="$outcome, $skip skipped"; fi
}
# count_tests DIR CTEST-ARGS...: how many tests ctest would run.
count_tests() {
  local dir=$1
  shift
  (cd "$dir" && ctest -N "$@" 2>/dev/null) | sed -n 's/^Total Tests: //p'
}
# build DIR LOGNAME CMAKE-ARGS...: configures and builds; false on failure.
build() {
  local dir=$1 log=$logs/$2.log
  shift 2
  if cmake -S . -B "$dir" "${cache[@]}" "$@" >"$log" 2>&1 && cmake --build "$dir" -j"$jobs" >>"$log" 2>&1; then
    grep -E 'warning:' "$log" | sort -u | head -n 20
    return 0
  fi
  # With parallel jobs the first error is often far above the end of the log.
  grep -E -B 3 -A 8 'error|\*\*\*|requires' "$log" | head -n 60
  tail -n 5 "$log"
  echo "the build in $dir failed (whole log: $log)"
  status=1
  return 1
}

begin "Installing what is missing"
bash scripts/install-deps.sh
end "install" "done"

# A binding whose tool is missing has no test in the Linux build: say so.
if ! /usr/bin/python3 -c "import pytest" >/dev/null 2>&1; then
  say_skip "Python binding: skipped: pytest could not be installed" "Python binding"
  skipped=$((skipped + 1))
fi
if ! command -v mcs >/dev/null || ! command -v mono >/dev/null; then
  say_skip "C# binding: skipped: Mono (mcs, mono) could not be installed" "C# binding"
  skipped=$((skipped + 1))
fi

probe=$(bash scripts/probe-32bit.sh)
probe_rc=$?
echo
echo "$probe"

# A compiler cache where there is one: a later run on the same machine
# rebuilds only what changed. Paths are taken relative to the tree.
cache=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR=$PWD CCACHE_NOHASHDIR=1
  cache=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

begin "Linux build"
if build build linux -DCMAKE_BUILD_TYPE=RelWithDebInfo; then
  end "Linux build" "built"
  begin "Linux tests"
  run_ctest build linux-tests
  end "Linux tests" "$outcome"
else
  end "Linux build" "failed"
fi

begin "Linux build under AddressSanitizer and UndefinedBehaviorSanitizer"
if build build-asan asan -DCMAKE_BUILD_TYPE=Debug -DVARANDA_SANITIZE=ON; then
  end "ASan/UBSan build" "built"
  begin "Linux tests under ASan/UBSan"
  ASAN_OPTIONS=detect_leaks=1:halt_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    run_ctest build-asan asan-tests -LE no-sanitize
  n=$(count_tests build-asan -L no-sanitize)
  skipped=$((skipped + ${n:-0}))
  end "ASan/UBSan tests" "$outcome; ${n:-0} skipped (the JVM, Python and Mono cannot load an instrumented library)"
else
  end "ASan/UBSan build" "failed"
fi

# The concurrency suites only (host threads on several terminals, the terminal
# map), built with ThreadSanitizer; a report fails the test.
begin "Linux build under ThreadSanitizer (concurrency suites)"
if cmake -S . -B build-tsan "${cache[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARANDA_TSAN=ON >"$logs/tsan.log" 2>&1 &&
  cmake --build build-tsan -j"$jobs" --target corvo_parallel_tests corvo_tcp_map_tests >>"$logs/tsan.log" 2>&1; then
  end "TSan build" "built"
  begin "Concurrency suites under TSan"
  TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 run_ctest build-tsan tsan-tests -R '^(parallel_e2e|tcp_map)$'
  end "TSan tests" "$outcome"
else
  tail -n 40 "$logs/tsan.log"
  echo "the build in build-tsan failed (whole log: $logs/tsan.log)"
  status=1
  end "TSan build" "failed"
fi

# The fuzz targets (clang, libFuzzer, ASan, UBSan): every committed seed and
# reproducer replayed, then each target fuzzed for a short fixed time. Each
# target counts once per mode; a crash or a failed replay fails it.
# fuzz_count LOG: adds the rows of a scripts/fuzz.sh table to the counts.
fuzz_count() {
  local ok bad
  ok=$(awk 'seen && $4 == "0" { n++ } /^target / { seen = 1 } END { print n + 0 }' "$1")
  bad=$(awk 'seen && $4 != "0" { n++ } /^target / { seen = 1 } END { print n + 0 }' "$1")
  passed=$((passed + ok)); failed=$((failed + bad))
  [ "$bad" -eq 0 ] || status=1
  outcome="$ok passed"; [ "$bad" -eq 0 ] || outcome="$bad of $((ok + bad)) failed"
}
fuzz_seconds=${VARANDA_FUZZ_SECONDS:-10}
begin "Fuzz targets: build and replay of the seeds and reproducers"
bash scripts/fuzz.sh --replay >"$logs/fuzz-replay.log" 2>&1
fuzz_rc=$?
cat "$logs/fuzz-replay.log"
if [ $fuzz_rc -eq 2 ]; then
  say_skip "fuzz targets: not built: no clang with libFuzzer on this machine" "Fuzz targets"
  skipped=$((skipped + 2))
elif grep -q '^target ' "$logs/fuzz-replay.log"; then
  fuzz_count "$logs/fuzz-replay.log"
  end "Fuzz replay" "$outcome"
  begin "Fuzz targets: ${fuzz_seconds} s each"
  bash scripts/fuzz.sh "$fuzz_seconds" >"$logs/fuzz-run.log" 2>&1
  cat "$logs/fuzz-run.log"
  fuzz_count "$logs/fuzz-run.log"
  end "Fuzz runs (${fuzz_seconds} s each)" "$outcome"
else
  failed=$((failed + 1)); status=1
  end "Fuzz build" "failed"
fi

# windows BITS DIR TOOLCHAIN COMPILER LOADER WHY-NOT-RUNNABLE
# WHY-NOT-RUNNABLE is empty when the build's programs can run here.
windows() {
  local bits=$1 dir=$2 toolchain=$3 compiler=$4 why=$5
  if ! command -v "$compiler" >/dev/null; then
    say_skip "Windows $bits-bit build: not built: no $compiler on this machine" "Windows $bits-bit"
    return
  fi
  begin "Windows build ($bits-bit, mingw-w64)"
  if ! build "$dir" "win$bits" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release; then
    end "Windows $bits-bit build" "failed"
    return
  fi
  end "Windows $bits-bit build" "built"
  if [ -z "$why" ]; then
    begin "Windows $bits-bit tests under Wine"
    run_ctest "$dir" "win$bits-tests"
    end "Windows $bits-bit tests" "$outcome"
  else
    begin "Windows $bits-bit tables, read without running the build"
    run_ctest "$dir" "win$bits-tables" -L no-wine
    local n
    n=$(count_tests "$dir" -LE no-wine)
    skipped=$((skipped + ${n:-0}))
    echo "Windows $bits-bit Wine runs: not runnable on this machine ($why): ${n:-0} tests skipped"
    end "Windows $bits-bit tests" "$outcome; ${n:-0} Wine runs skipped ($why)"
  fi
}

why64=""
if [ ! -x /usr/lib/wine/wine64 ]; then why64="no 64-bit Wine"
elif ! /usr/lib/wine/wine64 --version >/dev/null 2>&1; then why64="64-bit Wine does not start"
fi
why32=""
if [ $probe_rc -eq 1 ]; then why32="the kernel runs no 32-bit programs"
elif [ ! -x /usr/lib/wine/wine ]; then why32="no 32-bit Wine"
fi
windows 64 build-win64 cmake/mingw-x86_64.cmake x86_64-w64-mingw32-g++-posix "$why64"
windows 32 build-win32 cmake/mingw-i686.cmake i686-w64-mingw32-g++-posix "$why32"

echo
echo "== Summary ($probe)"
printf '%s\n' "${summary[@]}"
printf '%-34s %5ss\n' "all" "$SECONDS"
echo
bash scripts/ratio.sh
echo "total: $passed passed, $failed failed, $skipped skipped"
exit $status
