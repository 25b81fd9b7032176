#!/usr/bin/env bash
# Builds Chimelo for 32-bit and 64-bit Windows as it ships (smallest code,
# stripped) and packs both with the README into build/package/chimelo.zip:
#   32-bit/chimelo.exe, 64-bit/chimelo.exe, README.md
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
bash scripts/setup.sh
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
cp README.md "$out/stage/"
(cd "$out/stage" && cmake -E tar cf ../chimelo.zip --format=zip 32-bit 64-bit README.md)
ls -l "$out/stage"/*/chimelo.exe "$out/chimelo.zip"
