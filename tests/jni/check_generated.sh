#!/usr/bin/env bash
# Compares the committed generated files (or folders: every file in them, a
# file on one side only being stale too) with the fresh copies of the build.
#   check_generated.sh FRESH_DIR SOURCE_DIR RELATIVE_PATH...
set -u
fresh=$1 src=$2 stale=0
shift 2
for f in "$@"; do
  diff -ru --label "committed $f" --label "generated $f" "$src/$f" "$fresh/$f" || stale=1
done
if [ $stale -ne 0 ]; then
  echo "The committed copies above are not what the operation lists give."
  echo "Refresh them with: cmake --build <build folder> --target refresh_generated, then commit them."
  exit 1
fi
echo "$# generated files are current"
