#!/usr/bin/env bash
# Long play of the whole game: random keys and clicks through the menus and levels of every
# mode for SECONDS (default 600), best in the sanitizer build. Fails on a crash, a hang, a
# sanitizer report, a vehicle position that is not a number or outside its room, or a screen
# the player cannot leave.
#
#   scripts/soak-game.sh [build folder] [seconds] [seed]
set -euo pipefail
build=$(cd "${1:-build-asan}" && pwd)
seconds=${2:-600}
seed=${3:-1}
log="$build/soak-game.log"
# shellcheck source=scripts/sanitizer-env.sh
. "$(dirname "$0")/sanitizer-env.sh" "$build"
status=0
BRASK_SOAK_SECONDS=$seconds BRASK_SOAK_SEED=$seed SDL_VIDEODRIVER=offscreen BRASK_NO_PACING=1 \
    timeout -k 10 $((seconds + 300)) "$build/tests/brask_soak_tests" 2>&1 | tee "$log" || status=$?
if grep -q "ERROR: .*Sanitizer\|runtime error:" "$log"; then
    echo "sanitizer report: see $log" >&2
    status=1
fi
exit "$status"
