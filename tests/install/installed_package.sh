#!/usr/bin/env bash
# The Debian package as a new author meets it: builds it (`make deb`), installs it with apt-get,
# starts `ztvplay` and `Zentrovale` from the path on the demo as an ordinary user, checks that
# each shows its one window (a message box would be a second one) with a picture in it, keeps
# a screenshot of each in SHOTDIR, and removes the package again. Needs root for apt-get and
# an X server: DISPLAY when set, else one of xvfb-run's. Not part of `make test`: it installs
# a package for the whole machine.
#   tests/install/installed_package.sh [SHOTDIR]
set -euo pipefail
source=$(cd "$(dirname "$0")/../.." && pwd)
shots=$(realpath -m "${1:-$source/build/installed-package}")

[ "$(id -u)" -eq 0 ] || {
    echo "installed_package.sh: run as root (it installs the package)" >&2
    exit 2
}
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$shots"
fi
fail() {
    echo "FAILED: $*" >&2
    exit 1
}
if dpkg-query -W -f='${Status}' zentrovale 2>/dev/null | grep -q "install ok installed"; then
    fail "zentrovale is already installed here; this check installs and removes its own"
fi

make -C "$source" deb
deb=$(ls "$source"/build/zentrovale_*_amd64.deb | tail -1)
scratch=$(mktemp -d)
chmod 755 "$scratch"
pid=
cleanup() {
    [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null || true
    apt-get remove -y -qq zentrovale >/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb"
mkdir -p "$shots"

# An ordinary user (nobody) with a home of its own: the installed folder cannot be written to.
home=$scratch/home
mkdir -p "$home/run"
chown -R nobody "$home"
chmod 700 "$home/run"
as_author() {
    # The program replaces this shell: its process id is the one to signal.
    exec setpriv --reuid=nobody --regid=nogroup --clear-groups env -i HOME="$home" XDG_RUNTIME_DIR="$home/run" DISPLAY="$DISPLAY" \
        PATH=/usr/local/bin:/usr/bin:/bin LANG=C.UTF-8 "$@"
}
[ "$(as_author sh -c 'command -v ztvplay')" = /usr/bin/ztvplay ] || fail "ztvplay is not on the path"
[ "$(as_author sh -c 'command -v Zentrovale')" = /usr/bin/Zentrovale ] ||
    fail "Zentrovale is not on the path"

# Starts PROGRAM from the path on FILE, waits for a window whose title matches TITLE, lets it
# draw, checks that it is the program's only window and keeps a picture of it as NAME.png.
check_program() {
    local name=$1 title=$2 program=$3 file=$4 id= windows shown
    as_author "$program" "$file" >"$scratch/$name.log" 2>&1 &
    pid=$!
    for _ in $(seq 1 100); do
        id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -1) || true
        [ -n "$id" ] && break
        kill -0 "$pid" 2>/dev/null || fail "$program ended at start-up: $(cat "$scratch/$name.log")"
        sleep 0.3
    done
    [ -n "$id" ] || fail "$program showed no window titled $title"
    sleep 6
    windows=$(xdotool search --onlyvisible --name '.*' 2>/dev/null |
        while read -r w; do xdotool getwindowname "$w"; done | sort)
    [ "$(grep -c . <<<"$windows")" -eq 1 ] ||
        fail "$program shows more than its window: $(tr '\n' '|' <<<"$windows")"
    gst-launch-1.0 -q ximagesrc xid="$id" num-buffers=1 ! videoconvert ! pngenc ! \
        filesink location="$shots/$name.png" >/dev/null
    # A window of one flat colour compresses to a few kilobytes.
    [ "$(stat -c %s "$shots/$name.png")" -gt 20000 ] || fail "$program's window shows nothing"
    shown=$(xdotool getwindowname "$id")
    kill -TERM "$pid"
    wait "$pid" || true
    pid=
    echo "$program from the path: its window \"$shown\", picture in $shots/$name.png"
}

demo=/usr/lib/zentrovale/exemples/demo
check_program player '^demo\.ZTV$' ztvplay "$demo/demo.ZTV"
check_program editor '^Zentrovale' Zentrovale "$demo/demo.PZV"
echo "the installed package's programs start from the path on the demo"
