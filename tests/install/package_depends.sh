#!/usr/bin/env bash
# The Debian package's dependencies name every package the programs load while they run
# (GStreamer plugins, the MIDI sound font, image plugins, fonts) that scripts/install-deps.sh
# installs for the build: a package added there for the programs is not forgotten in the
# package. Reads the build's CPack configuration, so no package is built.
#   package_depends.sh BUILD SOURCE
set -euo pipefail
build=$1
source=$2

config=$build/CPackConfig.cmake
depends=$(grep -E '^set\(CPACK_DEBIAN_PACKAGE_(DEPENDS|RECOMMENDS) ' "$config")
runtime=$(sed -n '/^packages=(/,/^)/p' "$source/scripts/install-deps.sh" | tr -s ' \t' '\n' |
    grep -E '^(gstreamer1\.0-|fonts-|fontconfig$|timgm6mb|qt6-image-formats-plugins$|qt6-translations-l10n$|shared-mime-info$)' |
    grep -vx 'gstreamer1.0-tools')
[ -n "$runtime" ] || { echo "FAILED: no runtime packages found in install-deps.sh" >&2; exit 1; }
missing=0
for p in $runtime; do
    if ! grep -qE "(\"|, )$p(,|\")" <<<"$depends"; then
        echo "FAILED: the package does not depend on $p" >&2
        missing=1
    fi
done
exit $missing
