#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, and only those
# that are missing, so a machine that has everything is left untouched.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  zlib1g-dev
  libpng-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-liberation
  libjpeg-dev
  libx11-dev libxcursor-dev  # the viewer's window layer
  libxtst-dev libxfixes-dev xvfb xauth x11-utils  # its tests: a private X server, fake input
  qt6-base-dev  # the creator: Qt 6 Widgets with PrintSupport and the offscreen platform its tests use
  libgtest-dev libgmock-dev libbenchmark-dev
  python3
  clang-format  # the format check of .ci/run and make format
  dpkg-dev  # dpkg-shlibdeps, for the Debian package's dependencies
  desktop-file-utils appstream  # the tests validate the desktop entries and the metainfo
  xbitmaps  # the X11 bitmaps the X bitmap reader is tested on
  # Sound: GStreamer's headers to build (the programs load the library at run
  # time); playbin, WAV and MP3 (base, good), MIDI through FluidSynth with a
  # small General MIDI soundfont (bad, timgm6mb), WMA (ugly for the ASF
  # container, libav for the decoder).
  libgstreamer1.0-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad
  gstreamer1.0-plugins-ugly gstreamer1.0-libav timgm6mb-soundfont
  # The help pages are checked in a real browser, offline.
  chromium
)
case "${1:-}" in
  --fuzz) packages+=(clang libclang-rt-14-dev) ;;
  # Only to remake the committed picture fixtures (tests/data/imaging/*/make_fixtures.sh).
  --fixtures) packages+=(imagemagick netpbm) ;;
  # The viewer's start-up is measured against feh's on the same picture.
  --bench) packages+=(feh) ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
