#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, ASan, UBSan) in build-fuzz and
# runs each for SECONDS (default 60), starting from its committed seeds and
# its reproducers; then prints target, executions, executions per second and
# new crashes. New corpus entries stay in build-fuzz/fuzz/corpus/NAME; a crash
# is written to build-fuzz/fuzz/crashes/NAME (commit it to fuzz/crashes/NAME
# once its fault is fixed).
#   scripts/fuzz.sh [SECONDS]            build and fuzz
#   scripts/fuzz.sh --corpus DIR [SECONDS]
#                                        the same, keeping the corpus in DIR/NAME and the
#                                        crashes in DIR/crashes/NAME (a long campaign outside
#                                        the tree; the committed seeds are only read)
#   scripts/fuzz.sh --replay             build and replay every seed and reproducer
# Exit status 0 exactly when no target crashed.
set -u
cd "$(dirname "$0")/.."
mode=fuzz seconds=60 corpus=""
while [ $# -gt 0 ]; do
  case "$1" in
    --replay) mode=replay ;;
    --corpus) [ $# -ge 2 ] || { echo "fuzz: --corpus needs a directory"; exit 2; }; corpus=$(realpath -m "$2"); shift ;;
    *) seconds=$1 ;;
  esac
  shift
done
targets="link_parser_fuzz link_client_fuzz sim_requests_fuzz sim_control_fuzz sim_state_fuzz tlm_key_fuzz sdk_answers_fuzz"
out=build-fuzz/fuzz
kept=${corpus:-$out/corpus} crashes=${corpus:+$corpus/crashes}
crashes=${crashes:-$out/crashes}
mkdir -p build-logs
if ! command -v clang++ >/dev/null; then echo "fuzz: no clang++ on this machine"; exit 2; fi
if ! CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARANDA_FUZZ=ON \
       -DVARANDA_TESTS=OFF >build-logs/fuzz-build.log 2>&1 ||
   ! cmake --build build-fuzz -j2 --target fuzz_targets >>build-logs/fuzz-build.log 2>&1; then
  tail -n 30 build-logs/fuzz-build.log
  echo "fuzz: the build failed (whole log: build-logs/fuzz-build.log)"
  exit 1
fi
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
rows=()
for t in $targets; do
  seeds=fuzz/corpus/$t repro=fuzz/crashes/$t
  mkdir -p "$kept/$t" "$crashes/$t"
  log=build-logs/fuzz-$t.log
  if [ $mode = replay ]; then
    files=$(find "$seeds" "$repro" -type f 2>/dev/null)
    # shellcheck disable=SC2086
    if "$out/$t" -runs=0 $files >"$log" 2>&1; then
      rows+=("$(printf '%-20s %10s %10s %8s' "$t" "$(echo $files | wc -w)" - 0)")
    else
      rows+=("$(printf '%-20s %10s %10s %8s' "$t" "$(echo $files | wc -w)" - "1 (see $log)")"); status=1
    fi
    continue
  fi
  before=$(ls "$crashes/$t" | wc -l)
  dirs=("$kept/$t" "$seeds")
  [ -d "$repro" ] && dirs+=("$repro")
  "$out/$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1 \
    -artifact_prefix="$crashes/$t/" "${dirs[@]}" >"$log" 2>&1
  after=$(ls "$crashes/$t" | wc -l)
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  new=$((after - before))
  [ $new -gt 0 ] && status=1
  rows+=("$(printf '%-20s %10s %10s %8s' "$t" "${execs:-?}" "${rate:-?}" "$new")")
done
printf '%-20s %10s %10s %8s\n' target executions "exec/s" crashes
printf '%s\n' "${rows[@]}"
exit $status
