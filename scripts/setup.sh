#!/usr/bin/env bash
# Installs what building, running and testing Chimelo needs on Debian 12:
# the mingw-w64 cross compilers, Wine with its 32-bit half, GoogleTest's
# sources, zlib for the artwork tool's PNG images, stb_vorbis for Ogg
# Vorbis, NSIS for the installer, and the virtual display and sound server
# of the end-to-end tests. Wine decodes MP3, FLAC, M4A and WMA through
# GStreamer, in both halves; the tests make their sounds with lame, flac,
# vorbis-tools and ffmpeg.
# Installs only what is missing, so it is quick and safe to repeat.
set -euo pipefail

packages=(
  cmake ninja-build g++ googletest zlib1g-dev libstb-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine wine64 wine32:i386 fonts-wine
  nsis
  xvfb xauth x11-apps x11-utils imagemagick
  pulseaudio pulseaudio-utils libpulse0:i386
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly gstreamer1.0-libav
  gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386 gstreamer1.0-plugins-ugly:i386
  gstreamer1.0-libav:i386
  lame flac vorbis-tools ffmpeg
)

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
# Wine's 32-bit half comes from the i386 architecture.
dpkg --print-foreign-architectures | grep -qx i386 || as_root dpkg --add-architecture i386
as_root apt-get update -q
as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
