#!/usr/bin/env bash
# Remakes the README's screenshots: runs the picture tests on an offscreen Mesa context and
# stores a few of their pictures, recompressed, under docs/screenshots/. Needs python3.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$("$top/scripts/setup.sh" | tail -n 1)
ctest --test-dir "$build" -L gl -j "$(nproc)" >/dev/null
pictures=(
  menu-main_menu menu-battle_selection menu-backstory_main screen-Battle screen-Versus
)
mkdir -p "$top/docs/screenshots"
for name in "${pictures[@]}"; do
  python3 "$top/scripts/recompress_png.py" "$build/tests/gl-pictures/$name.png" \
    "$top/docs/screenshots/$name.png"
done
echo "screenshots in docs/screenshots/"
