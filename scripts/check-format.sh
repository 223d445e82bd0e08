#!/usr/bin/env bash
# Fails when clang-format would change any source file of the project.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format >/dev/null; then
  echo "clang-format is not installed; format not checked"
  exit 0
fi
git ls-files '*.cpp' '*.h' | grep -v '\.inc$' | xargs clang-format --dry-run -Werror
