#!/usr/bin/env bash
# Fails, naming each file and line, if any C++ source of the repository
# differs from what clang-format makes of it under the root .clang-format.
# `make format` rewrites them in place.
#
#   scripts/check-format.sh [CLANG_FORMAT]
set -euo pipefail
cd "$(dirname "$0")/.."
format=${1:-clang-format}
git ls-files -z '*.cpp' '*.h' | xargs -0 "$format" --dry-run --Werror
