#!/usr/bin/env bash
# Sets up, builds and runs every test.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${KELVARO_BUILD_DIR:-$here/build}
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j "$(nproc)"
