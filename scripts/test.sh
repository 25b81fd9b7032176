#!/usr/bin/env bash
# Builds Chimelo and runs every test: the portable core's unit tests natively
# with AddressSanitizer and UBSan, and the Win32 tests under Wine in a
# scratch prefix inside build/. Also checks that the code builds for x86_64.
# Safe to repeat; leaves nothing running.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
bash scripts/setup.sh

configure() {  # build directory, then extra cmake arguments
  local dir=$1
  shift
  [ -f "$dir/build.ninja" ] || cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

configure build/native -DCMAKE_BUILD_TYPE=Debug
configure build/i686 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake
configure build/x86_64 -DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake \
  -DCHIMELO_TESTS=OFF

# Whatever happens, stop the Wine session's servers and display.
trap 'bash scripts/wine-session.sh stop build/i686/wine' EXIT

# One ctest over both trees, so that a single summary closes the run.
echo 'subdirs("native" "i686")' > build/CTestTestfile.cmake
ctest --test-dir build --output-on-failure -j "$(nproc)"
