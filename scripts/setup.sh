#!/usr/bin/env bash
# Installs the Debian packages the project needs (only those missing), then configures
# and builds the game, its content and its tests.
# Usage: scripts/setup.sh [--sanitize | --release] [--werror]
#   --sanitize  an AddressSanitizer + UBSan build in build-asan/
#   --release   the Release build a packager makes, in build-release/, with the benchmarks
#   --werror    warnings stop the build (CI uses it; a player's newer compiler need not)
# BRASK_JOBS, when set, limits the build's parallelism.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
# Progress goes to standard error; standard output carries only the build folder.
exec 3>&1 1>&2

packages=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev
  libgl-dev libglu1-mesa-dev libgl1-mesa-dri libegl1 libegl-mesa0
  libjpeg62-turbo-dev libfreetype-dev fonts-liberation
  libmp3lame-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang-format
)

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
  [[ "$status" == ii* ]] || missing+=("$package")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo=()
  if [[ $(id -u) -ne 0 ]]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo to install: ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
  fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

build="$top/build"
options=(-DBRASK_SANITIZE=OFF -DBRASK_WERROR=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo)
for argument in "$@"; do
  case "$argument" in
    --sanitize) build="$top/build-asan"; options[0]=-DBRASK_SANITIZE=ON ;;
    --release) build="$top/build-release"; options[2]=-DCMAKE_BUILD_TYPE=Release
               options+=(-DBRASK_BENCH=ON) ;;
    --werror) options[1]=-DBRASK_WERROR=ON ;;
    *) echo "unknown option: $argument" >&2; exit 2 ;;
  esac
done
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S "$top" -B "$build" -G Ninja "${options[@]}"
else
  # The options apply to an existing build folder too.
  cmake -S "$top" -B "$build" "${options[@]}" >/dev/null
fi
ninja -C "$build" ${BRASK_JOBS:+-j "$BRASK_JOBS"}
echo "$build" >&3
