#!/usr/bin/env bash
# Compares the committed generated files with the fresh copies of the build.
#   check_generated.sh FRESH_DIR SOURCE_DIR RELATIVE_PATH...
# A path may name a folder: every file in it is compared, and a file on one
# side only is stale too.
set -u
fresh=$1 src=$2
shift 2
stale=0
for f in "$@"; do
  if [ -d "$fresh/$f" ]; then
    diff -ru "$src/$f" "$fresh/$f" || stale=1
  elif ! diff -u --label "committed $f" --label "generated $f" "$src/$f" "$fresh/$f"; then
    stale=1
  fi
done
if [ $stale -ne 0 ]; then
  echo "The committed copies above are not what the operation lists give."
  echo "Refresh them with: cmake --build <build folder> --target refresh_generated, then commit them."
  exit 1
fi
echo "$# generated files are current"
