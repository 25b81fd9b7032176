#!/usr/bin/env bash
# Builds Chimelo and its installer and runs every test: the portable core's
# unit tests natively with AddressSanitizer and UBSan, and the Win32 tests
# under Wine, each build in a scratch prefix inside its own tree: the 32-bit
# build wherever this machine runs 32-bit programs, and the 64-bit build,
# with the installer's tests, always.
# Safe to repeat; leaves nothing running.
set -euo pipefail
cd "$(dirname "$(realpath "$0")")/.."
bash scripts/setup.sh
# shellcheck source=wine-loader.sh
. scripts/wine-loader.sh

configure() {  # build directory, then extra cmake arguments
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja "$@" >/dev/null
  cmake --build "$dir"
}

# What ships, the installer included, is what the installer tests run. The
# installer is a 32-bit program: where it cannot run, its 64-bit twin from
# the same script stands in.
bash scripts/package.sh
installer=$PWD/build/package/chimelo-setup.exe
trees=(native x86_64)
if runs_32bit; then
  trees+=(i686)
else
  installer=$PWD/build/package/test/chimelo-setup.exe
  echo "This machine does not run 32-bit programs: the 32-bit build is built but not tested here," \
    "and the installer is tested in its 64-bit twin."
fi

configure build/native -DCHIMELO_TESTS=ON -DCMAKE_BUILD_TYPE=Debug
configure build/i686 -DCHIMELO_TESTS=ON -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE=cmake/i686-w64-mingw32.cmake
configure build/x86_64 -DCHIMELO_TESTS=ON -DCMAKE_BUILD_TYPE=MinSizeRel -DCMAKE_TOOLCHAIN_FILE=cmake/x86_64-w64-mingw32.cmake \
  -DCHIMELO_INSTALLER="$installer"

# Whatever happens, stop the Wine sessions' servers and displays.
trap 'for arch in i686 x86_64; do bash scripts/wine-session.sh stop build/$arch/wine; done' EXIT

# One ctest over the trees, so that a single summary closes the run.
printf 'subdirs(%s)\n' "$(printf '"%s" ' "${trees[@]}")" > build/CTestTestfile.cmake
ctest --test-dir build --output-on-failure -j "$(nproc)"
