#!/usr/bin/env bash
# Fails when clang-format (with the repository's .clang-format) would change a C++ file
# of the tree (the files git tracks); prints what it would change. .ci/run runs it before
# the build.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "format-check: clang-format is not installed" >&2; exit 2; }
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "format-check: every C++ file is formatted"
