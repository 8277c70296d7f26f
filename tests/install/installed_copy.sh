#!/usr/bin/env bash
# An installation made by `cmake --install` into a prefix of its own: the application folder,
# the programs on the path and the desktop's files are there, the installed tool reads the
# installed demo, the installed player plays the demo's first page and the installed authoring
# program starts on the demo and registers the file types with its own folder.
#   installed_copy.sh BUILD ZTVSHOTS SOURCE
set -euo pipefail
build=$1
shots=$2
source=$3

scratch=$(mktemp -d)
editor_pid=
cleanup() {
    [ -n "$editor_pid" ] && kill -KILL "$editor_pid" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
fail() {
    echo "FAILED: $*" >&2
    exit 1
}

prefix=$scratch/prefix
app=$prefix/lib/zentrovale
cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" || {
    cat "$scratch/install.log" >&2
    fail "cmake --install"
}

for f in ztvplay ztvplay2 Zentrovale ztvtool rlang.asc lang/FRENCH.asc lang/ENGLISH.asc \
    zentrovale.ini logo.jpg boutons/texture.jpg transitions/1.bmp xdg/zentrovale.xml \
    xdg/zentrovale.desktop exemples/demo/demo.PZV exemples/demo/demo.ZTV \
    icons/hicolor/48x48/apps/zentrovale.png; do
    [ -e "$app/$f" ] || fail "$app/$f is missing"
done
for p in ztvplay Zentrovale ztvtool; do
    [ "$(readlink "$prefix/bin/$p")" = "../lib/zentrovale/$p" ] || fail "bin/$p"
done
grep -qx "Exec=$app/Zentrovale %f" "$prefix/share/applications/zentrovale.desktop" ||
    fail "the authoring program's desktop entry"
grep -qx "Exec=$app/ztvplay %f" "$prefix/share/applications/ztvplay.desktop" ||
    fail "the player's desktop entry"
cmp -s "$source/assets/xdg/zentrovale.xml" "$prefix/share/mime/packages/zentrovale.xml" ||
    fail "the MIME types"
for size in 48x48 256x256; do
    for icon in apps/zentrovale apps/ztvplay mimetypes/application-x-zentrovale-pzv \
        mimetypes/application-x-zentrovale-ztv mimetypes/application-x-zentrovale-ztvx; do
        [ -s "$prefix/share/icons/hicolor/$size/$icon.png" ] || fail "icon $size/$icon"
    done
done

# Nothing below may reach the user's own folders.
export XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export TMPDIR=$scratch ZTV_AUDIO=fake
export LSAN_OPTIONS=suppressions=$source/tests/lsan.supp:print_suppressions=0
# libxkbcommon-x11 hands strndup a buffer longer than its string (see the player's X tests).
export ASAN_OPTIONS=${ASAN_OPTIONS:-}:strict_string_checks=0

"$prefix/bin/ztvtool" info "$app/exemples/demo/demo.PZV" >"$scratch/info.txt" ||
    fail "ztvtool info on the installed demo"
[ -s "$scratch/info.txt" ] || fail "ztvtool info printed nothing"

# The installed player, on a virtual screen: its window shows page 1 (ztvshots fails on a
# window of one flat colour).
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$shots" "$app" "$app/exemples/demo" "$scratch/shots" player >/dev/null ||
    fail "the installed player"
[ -s "$scratch/shots/player.png" ] || fail "no picture of the player"

# The installed authoring program, started through its link on the path, registers the file
# types with the folder it lives in when its window becomes active.
QT_QPA_PLATFORM=offscreen "$prefix/bin/Zentrovale" "$app/exemples/demo/demo.PZV" &
editor_pid=$!
for _ in $(seq 1 100); do
    grep -qs "application/x-zentrovale-pzv=zentrovale.desktop;" "$XDG_CONFIG_HOME/mimeapps.list" &&
        break
    sleep 0.2
done
kill -0 "$editor_pid" 2>/dev/null || fail "the authoring program ended"
grep -qx "Exec=$app/Zentrovale %f" "$XDG_DATA_HOME/applications/zentrovale.desktop" ||
    fail "the authoring program did not register itself"
grep -qs "application/x-zentrovale-ztvx=ztvplay.desktop;" "$XDG_CONFIG_HOME/mimeapps.list" ||
    fail "the single-file projects are not the player's"
echo "installed copy in $prefix: files, player, tool and authoring program checked"
