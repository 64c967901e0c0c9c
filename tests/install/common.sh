# Sourced by the install tests: BUILD_DIR and SOURCE_DIR from the first two
# arguments, a temporary folder removed at the end, no library path that could
# hide a missing RUNPATH, and fail().
set -eu
build=$1 src=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
unset LD_LIBRARY_PATH VARANDA_SDK
fail() { echo "FAILED: $*"; exit 1; }
