#!/usr/bin/env bash
# Takes the documentation's pictures: scripts/screenshots.sh BUILD OUTDIR [NAME...]
# ztvshots runs on a virtual screen (Xvfb), with desktop folders of its own so that the
# authoring program's file-type registration does not touch the user's. The demo project is
# written afresh into a projects folder of that scratch space, so that the pictures show the
# kind of path a user has rather than the build's.
set -euo pipefail
build=$1
out=$2
shift 2
sources=$(cd "$(dirname "$0")/.." && pwd)

scratch=$(mktemp -d "${TMPDIR:-/tmp}/zentrovale.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb ZTV_AUDIO=fake
demo=$scratch/Projects/demo
QT_QPA_PLATFORM=offscreen "$build/tools/ztvdemogen" "$demo" "$sources/assets/lang/FRENCH.asc"
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/ztvshots" "$build/app" "$demo" "$out" "$@"
