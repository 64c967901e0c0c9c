#!/usr/bin/env bash
# Lines of tests against lines of code, both counted with wc -l over the
# committed .cpp/.h/.c files (generated files live in the build trees, not in
# git). Code: src/ abi/ link/ sim/ backends/ without their test/ folders.
# Tests: tests/ and the test/ folders of link/, sim/ and the back-ends. The host tool, demo,
# bench, fuzz, examples and hostkit/ (the loader the hosts and test programs
# share) are in neither. Usage: scripts/ratio.sh [REV]
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-}
files() {
  if [ -n "$rev" ]; then git ls-tree -r --name-only "$rev" -- "$@"; else git ls-files -- "$@"; fi
}
count() {
  local n=0 f
  while read -r f; do
    if [ -n "$rev" ]; then n=$((n + $(git show "$rev:$f" | wc -l))); else n=$((n + $(wc -l <"$f"))); fi
  done
  echo "$n"
}
src='\.(cpp|h|c)$'
code=$(files src abi link sim backends | grep -E "$src" | grep -vE '^(link|sim)/test/|^backends/[a-z]+/test/' | count)
tests=$(files tests link/test sim/test backends | grep -E '^(tests|link/test|sim/test|backends/[a-z]+/test)/' | grep -E "$src" | count)
awk -v c="$code" -v t="$tests" 'BEGIN { printf "code %d lines, tests %d lines, tests/code %.2f\n", c, t, t / c }'
