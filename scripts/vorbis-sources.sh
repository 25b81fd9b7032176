#!/usr/bin/env bash
# Fetches Debian's sources of libogg and libvorbis, with Debian's patches
# applied, into build/sources/, from which CMake builds the Ogg Vorbis
# decoder (and, for the tests, the encoder). Once: a later run finds them
# there and fetches nothing. Needs the deb-src entries and dpkg-dev that
# scripts/setup.sh provides, but no root.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
sources=build/sources
for package in libogg libvorbis; do
  [ -d "$sources/$package" ] && continue
  # Unpacked aside and then moved in whole, so that a broken run leaves
  # nothing that looks fetched.
  rm -rf "$sources/download" && mkdir -p "$sources/download"
  (cd "$sources/download" && apt-get source -q --download-only "$package" &&
    dpkg-source -x "$package"_*.dsc "$package")
  mv "$sources/download/$package" "$sources/$package"
  rm -rf "$sources/download"
done
