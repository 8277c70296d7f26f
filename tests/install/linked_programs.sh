#!/usr/bin/env bash
# Programs started through links in another folder, as /usr/bin/ztvplay points into
# /usr/lib/zentrovale, live where the links point: the tool names the effects from the language
# file of its own folder, and the player plays the demo with its own folder's language file and
# claims its playback directory there, never beside the link.
#   linked_programs.sh APPDIR
set -euo pipefail
scratch=$(mktemp -d)
player_pid=
cleanup() {
    [ -n "$player_pid" ] && kill -KILL "$player_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

# A folder of the programs' own, so that what the player claims there is this test's alone.
app=$scratch/app
mkdir -p "$app" "$scratch/bin" "$scratch/tmp"
cp "$1/ztvplay" "$1/ztvtool" "$1/rlang.asc" "$app/"
cp -r "$1/exemples/demo" "$scratch/demo"
ln -s "$app/ztvplay" "$scratch/bin/ztvplay"
ln -s "$app/ztvtool" "$scratch/bin/ztvtool"
export TMPDIR=$scratch/tmp XDG_RUNTIME_DIR=$scratch/run QT_QPA_PLATFORM=offscreen ZTV_AUDIO=fake
mkdir -m 700 "$XDG_RUNTIME_DIR"

"$scratch/bin/ztvtool" effects "$scratch/effects" >"$scratch/effects.txt" ||
    fail "ztvtool effects through a link"
# "number line name": a name missing means the tool looked for rlang.asc beside the link.
awk 'NF < 3 { bad = 1 } END { exit !(NR > 0 && !bad) }' "$scratch/effects.txt" ||
    fail "the tool found no effect names: $(head -3 "$scratch/effects.txt")"

"$scratch/bin/ztvplay" "$scratch/demo/demo.ZTV" &
player_pid=$!
claimed=
for _ in $(seq 1 150); do
    claimed=$(find "$app" "$scratch/bin" "$scratch/tmp" -mindepth 1 -maxdepth 1 -type d \
        -name 'base*' | head -1)
    [ -n "$claimed" ] && break
    kill -0 "$player_pid" 2>/dev/null || fail "the player ended at start-up"
    sleep 0.2
done
[ "$(dirname "$claimed")" = "$app" ] || fail "playback directory claimed at '$claimed'"
sleep 2
kill -0 "$player_pid" 2>/dev/null || fail "the player ended while playing"
kill -TERM "$player_pid"
status=0
wait "$player_pid" || status=$?
player_pid=
[ "$status" -eq 0 ] || fail "the player ended with status $status"
[ ! -e "$claimed" ] || fail "the playback directory $claimed was left behind"
echo "tool and player started through links find their own folder $app"
