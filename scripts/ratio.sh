#!/usr/bin/env bash
# Lines of tests against lines of code: wc -l of the committed .cpp/.h/.c/.py/
# .java/.sh files. Tests are the files under any folder named tests/ or test/
# (tests/, link/test/, sim/test/, backends/*/test/, tools/varanda/tests/, and
# every such folder added later). Code is every other counted file, except:
# - the generated files that are committed: the ones the refresh_generated
#   target of CMakeLists.txt copies from the build into the tree (written by
#   cmake/gen_exports.py: include/varanda.h, include/varanda_codes.h,
#   java/Varanda.java, java/com/melbrosa/Varanda.java, the Python bindings'
#   _operations.py, ...), read from that target so that a new one is left out
#   without editing this script;
# - fuzz/ (the libFuzzer targets of scripts/fuzz.sh), counted as neither.
# Usage: scripts/ratio.sh [REV]
set -euo pipefail
cd "$(dirname "$0")/.."
rev=${1:-}
files() {
  if [ -n "$rev" ]; then git ls-tree -r --name-only "$rev"; else git ls-files; fi
}
count() {
  local n=0 f
  while read -r f; do
    if [ -n "$rev" ]; then n=$((n + $(git show "$rev:$f" | wc -l))); else n=$((n + $(wc -l <"$f"))); fi
  done
  echo "$n"
}
cmakelists() { if [ -n "$rev" ]; then git show "$rev:CMakeLists.txt" 2>/dev/null; else cat CMakeLists.txt; fi || true; }
# The paths refresh_generated copies to, as anchored patterns (a folder covers its files).
generated=$(cmakelists | sed -n '/add_custom_target(refresh_generated/,/DEPENDS/p' |
  grep -oE 'CMAKE_SOURCE_DIR\}/[^ )]+' | sed -E 's#^CMAKE_SOURCE_DIR\}/##; s#[.]#\\.#g; s#.*#^&($|/)#' || true)
counted=$(files | grep -E '\.(cpp|h|c|py|java|sh)$' | grep -vE '^fuzz/' | grep -vE -f <(printf '%s\n' "${generated:-^$}") || true)
is_test='(^|/)tests?/'
code=$(grep -vE "$is_test" <<<"$counted" | count)
tests=$(grep -E "$is_test" <<<"$counted" | count)
awk -v c="$code" -v t="$tests" 'BEGIN { printf "code %d lines, tests %d lines, tests/code %.2f\n", c, t, t / c }'
