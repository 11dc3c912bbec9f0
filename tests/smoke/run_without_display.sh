#!/usr/bin/env bash
# Starts the real game where no display exists and no video driver is named: it must report
# that no window could be made ("Window Init" on standard error) and end by itself with
# status 0, instead of running with no window until it is killed.
set -u
game=$1
log=$(mktemp)
env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER SDL_AUDIODRIVER=dummy \
    ${BRASK_SMOKE_PRELOAD:+LD_PRELOAD="$BRASK_SMOKE_PRELOAD"} \
    timeout 60 "$game" >/dev/null 2>"$log"
status=$?
cat "$log"
if [ "$status" -eq 124 ]; then echo "the game kept running without a window"; rm -f "$log"; exit 1; fi
if [ "$status" -ne 0 ]; then echo "exit status $status"; rm -f "$log"; exit 1; fi
if ! grep -q "Window Init" "$log"; then echo "no \"Window Init\" report"; rm -f "$log"; exit 1; fi
if grep -q -E 'ERROR: (Address|Leak|Undefined)Sanitizer|runtime error:' "$log"; then
    echo "the sanitizers reported a fault"; rm -f "$log"; exit 1
fi
rm -f "$log"
