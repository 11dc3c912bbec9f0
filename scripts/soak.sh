#!/usr/bin/env bash
# A longer soak than CI runs: every shipped level for FRAMES frames with each of SEEDS seeds
# of random keys. Usage: scripts/soak.sh [build folder] [frames] [seeds]
set -eu
build=${1:-build}
frames=${2:-20000}
seeds=${3:-10}
# shellcheck source=scripts/sanitizer-env.sh
. "$(dirname "$0")/sanitizer-env.sh" "$build"
for seed in $(seq 1 "$seeds"); do
    echo "seed $seed, $frames frames per level"
    BRASK_SOAK_SEED=$seed BRASK_SOAK_FRAMES=$frames \
        "$build/tests/brask_room_tests" --gtest_filter='Levels/SoakTest.*' --gtest_brief=1
done
