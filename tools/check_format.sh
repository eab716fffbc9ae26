#!/usr/bin/env bash
# Checks that every tracked C++ source and header matches the repository's .clang-format.
# Prints each violation and exits non-zero if there is any; changes no file.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$here"

formatter="${CLANG_FORMAT:-clang-format}"
if ! command -v "$formatter" >/dev/null; then
    echo "check_format: $formatter not found (Debian package clang-format)" >&2
    exit 2
fi

mapfile -d '' sources < <(git ls-files -z -- '*.cpp' '*.h')
if ((${#sources[@]} == 0)); then
    echo "check_format: no tracked C++ files" >&2
    exit 2
fi

if "$formatter" --dry-run -Werror "${sources[@]}"; then
    echo "check_format: ${#sources[@]} files match .clang-format"
else
    echo "check_format: some files do not match .clang-format (clang-format -i FILE mends them)" >&2
    exit 1
fi
