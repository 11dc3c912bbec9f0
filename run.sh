#!/usr/bin/env bash
# Sets everything up (packages, build, content) and starts the game.
set -euo pipefail
top=$(cd "$(dirname "$0")" && pwd)
build=$("$top/scripts/setup.sh" | tail -n 1)
cd "$build"
exec ./brask
