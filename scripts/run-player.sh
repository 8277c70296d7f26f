#!/usr/bin/env bash
# Starts the player on a project. On a desktop session the window stays until Escape; without
# one the player runs on a virtual screen for a few seconds and is then closed (SIGTERM runs
# its normal close sequence), which shows that it starts and ends cleanly.
set -euo pipefail
player=$1
project=$2

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    echo "Starting ztvplay on $project (Escape closes it)."
    exec "$player" "$project"
fi

echo "No desktop session (DISPLAY is not set): nothing can be shown here."
echo "Running ztvplay on a virtual screen for 3 seconds, then closing it."
status=0
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c \
    '"$0" "$1" & pid=$!; sleep 3; kill -TERM "$pid"; wait "$pid"' "$player" "$project" || status=$?
echo "ztvplay ended with status $status."
exit "$status"
