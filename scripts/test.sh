#!/usr/bin/env bash
# Builds Glarewell and runs every test: the formatting check, the offscreen unit tests and, inside a
# private X session, the tests that need a real X server.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh

echo "== formatting"
mapfile -t sources < <(find src tests bench -name '*.cpp' -o -name '*.h' | sort)
clang-format --dry-run --Werror "${sources[@]}"
echo "formatting ok (${#sources[@]} files)"

echo "== tests"
rm -rf build/test-home
bash scripts/with-x-session.sh ctest --test-dir build --output-on-failure --no-tests=error "$@"
