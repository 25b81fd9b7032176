#!/usr/bin/env bash
# Builds Chimelo for 32-bit and 64-bit Windows as it ships (smallest code,
# stripped) and makes, in build/package/:
#   chimelo.zip        32-bit/chimelo.exe, 64-bit/chimelo.exe, README.md
#   chimelo-setup.exe  the per-user installer (NSIS), a 32-bit program
# and fails when the 32-bit chimelo.exe or the installer is over its size.
# Where this machine runs no 32-bit programs, the installer's 64-bit twin,
# made from the same script, goes to build/package/test/ for the tests.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
bash scripts/setup.sh
# shellcheck source=wine-loader.sh
. scripts/wine-loader.sh
out=build/package
rm -rf "$out" && mkdir -p "$out/stage"
for arch in i686 x86_64; do
  cmake -S . -B "build/release-$arch" -G Ninja -DCMAKE_BUILD_TYPE=MinSizeRel -DCHIMELO_TESTS=OFF \
    -DCMAKE_TOOLCHAIN_FILE="cmake/$arch-w64-mingw32.cmake" >/dev/null
  cmake --build "build/release-$arch" --target chimelo >/dev/null
  bits=32 && [ "$arch" = x86_64 ] && bits=64
  mkdir -p "$out/stage/$bits-bit"
  "$arch-w64-mingw32-strip" -o "$out/stage/$bits-bit/chimelo.exe" "build/release-$arch/bin/chimelo.exe"
done
# The zip's README shows no pictures: the zip has none.
sed '/^!\[.*\](docs\//d' README.md > "$out/stage/README.md"
(cd "$out/stage" && cmake -E tar cf ../chimelo.zip --format=zip 32-bit 64-bit README.md)

# The version is the project's, as CMake has it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release-i686/CMakeCache.txt)
installer() {  # NSIS target, then the installer to make
  makensis -V2 -X"Target $1" -DVERSION="$version" -DSTAGE="$PWD/$out/stage" -DOUTFILE="$PWD/$2" \
    installer/chimelo.nsi >/dev/null
}
installer x86-unicode "$out/chimelo-setup.exe"
if ! runs_32bit; then
  mkdir -p "$out/test"
  installer amd64-unicode "$out/test/chimelo-setup.exe"
fi
ls -l "$out/stage"/*/chimelo.exe "$out/chimelo.zip" "$out/chimelo-setup.exe"

# What the artwork of 28 events for every display scale, the reference Ogg
# Vorbis decoder (libvorbis, with the encoder's halves that its tables name)
# and the loudness levelling may cost, and no more.
within() {  # file, KiB
  local kib=$(( ($(stat -c %s "$1") + 1023) / 1024 ))
  echo "$1: $kib KiB (target <= $2 KiB)"
  [ "$kib" -le "$2" ] || { echo "$1 is larger than its target" >&2; exit 1; }
}
within "$out/stage/32-bit/chimelo.exe" 448
within "$out/chimelo-setup.exe" 480
