#!/usr/bin/env bash
# Sets everything up (packages, build, content) and runs the whole test suite.
# ./test.sh --sanitize does the same in an AddressSanitizer + UBSan build; --werror makes
# warnings stop the build (CI). BRASK_JOBS limits the build's and the tests' parallelism
# (default: every core).
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
build=$("$top/scripts/setup.sh" "$@" | tail -n 1)
cd "$build"
ctest --output-on-failure -j "${BRASK_JOBS:-$(nproc)}"
