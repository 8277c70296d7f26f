#!/usr/bin/env bash
# Takes the documentation's pictures: scripts/screenshots.sh BUILD OUTDIR [NAME...]
# ztvshots runs on a virtual screen (Xvfb), with desktop folders of its own so that the
# authoring program's file-type registration does not touch the user's.
set -euo pipefail
build=$1
out=$2
shift 2

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_DATA_HOME=$scratch/data XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb ZTV_AUDIO=fake
xvfb-run -a -s "-screen 0 1280x1024x24" "$build/tools/ztvshots" "$build/app" "$out" "$@"
