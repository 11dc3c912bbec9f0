#!/usr/bin/env bash
# Starts the real game headless, lets it run, then ends it with a quit event (SIGTERM
# becomes one) and expects a clean exit with status 0.
set -u
game=$1
seconds=${BRASK_SMOKE_SECONDS:-6}
log=$(mktemp)
if [ -n "${BRASK_SMOKE_PRELOAD:-}" ]; then
    LD_PRELOAD="$BRASK_SMOKE_PRELOAD" "$game" >"$log" 2>&1 &
else
    "$game" >"$log" 2>&1 &
fi
pid=$!
sleep "$seconds"
if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid"; status=$?
    echo "the game ended on its own (status $status) before the quit event:"; cat "$log"
    rm -f "$log"; exit 1
fi
kill -TERM "$pid"
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
    echo "the game did not end after the quit event"; kill -KILL "$pid"; cat "$log"; rm -f "$log"; exit 1
fi
wait "$pid"; status=$?
cat "$log"
if [ "$status" -ne 0 ]; then echo "exit status $status"; rm -f "$log"; exit 1; fi
if grep -q -E 'ERROR: (Address|Leak|Undefined)Sanitizer|runtime error:' "$log"; then
    echo "the sanitizers reported a fault"; rm -f "$log"; exit 1
fi
rm -f "$log"
