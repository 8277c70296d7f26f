#!/usr/bin/env bash
# Installs every Debian package the build, the tests and the programs need.
# Idempotent: packages already present are skipped, so `make` can call it every time.
set -euo pipefail

packages=(
    build-essential cmake pkg-config make clang-format ccache
    libgtest-dev libgmock-dev libbenchmark-dev
    qt6-base-dev qt6-base-dev-tools qt6-image-formats-plugins qt6-translations-l10n
    libgstreamer1.0-dev libgstreamer-plugins-base1.0-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
    gstreamer1.0-libav gstreamer1.0-alsa gstreamer1.0-pulseaudio gstreamer1.0-plugins-ugly
    gstreamer1.0-tools timgm6mb-soundfont
    libjpeg62-turbo-dev libgif-dev libmspack-dev libgcab-dev
    fontconfig fonts-liberation fonts-crosextra-carlito fonts-crosextra-caladea fonts-dejavu-core
    fonts-comic-neue
    gcab cabextract
    xvfb xauth x11-utils xdotool
    shared-mime-info desktop-file-utils xdg-utils libfile-mimeinfo-perl dpkg-dev
    pulseaudio ffmpeg
    man-db
    # Only the GIF benchmark runs it: ImageMagick's convert is what our GIF writer is measured by.
    imagemagick
)
# Fuzzing needs clang's libFuzzer runtime; only `make fuzz` asks for it.
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
