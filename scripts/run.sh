#!/usr/bin/env bash
# Sets up, builds and starts Kelvaro.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/setup.sh"
"$here/scripts/build.sh"
exec "${KELVARO_BUILD_DIR:-$here/build}/bin/kelvaro" "$@"
