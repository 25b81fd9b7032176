# Sourced by the benchmarks from the repository's root: installs what is
# missing and takes the Wine of the machine's architecture, named in $arch.
bash scripts/setup.sh
# shellcheck source=wine-loader.sh
. scripts/wine-loader.sh
arch=$(machine_arch)
use_wine "$arch"

# start_bench_session PREFIX ARCH: holds the script, and all it starts, on
# CPU 0 (a call to the Wine server from another CPU costs several times
# more), starts a virtual display and prepares the scratch prefix. The
# server and the display go when the script ends.
start_bench_session() {
  taskset -cp 0 $$ >/dev/null
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  trap 'wineserver -k 2>/dev/null || true; kill "$XVFB" 2>/dev/null || true' EXIT
  start_xvfb
  echo "Preparing the Wine prefix $WINEPREFIX..."
  bash scripts/wine-prefix.sh "$WINEPREFIX" "$2" >/dev/null
}

# A server started anew reads the drive types; kept running, it stays warm
# between the runs.
warm_wineserver() {
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p
  timeout 60 "$WINE" cmd /c ver >/dev/null
}

# build_benchmark TREE TARGET: the benchmarks' Release tree, configured once,
# builds the benchmark and chimelo.exe; prints why Chimelo cannot be
# measured, if it cannot.
build_benchmark() {
  [ -f "$1/build.ninja" ] || cmake -S . -B "$1" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="cmake/$arch-w64-mingw32.cmake" -DCHIMELO_TESTS=ON >/dev/null
  cmake --build "$1" --target "$2" >/dev/null
  cmake --build "$1" --target chimelo >"$1/chimelo-build.log" 2>&1 ||
    echo "chimelo.exe does not build (see $1/chimelo-build.log)"
}
