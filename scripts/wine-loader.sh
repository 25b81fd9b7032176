# Sourced by the scripts that run Wine. `use_wine ARCH` (i686 or x86_64)
# exports WINE, the loader for that build's programs. Wine's own tools are run
# as "$WINE wineboot", "$WINE winepath" and so on: their wrappers in /usr/bin
# always take the 32-bit loader.
use_wine() {
  case $1 in
    i686) WINE=/usr/lib/wine/wine ;;
    x86_64) WINE=/usr/lib/wine/wine64 && export WINELOADER=$WINE ;;
    *) echo "unknown architecture: $1" >&2 && return 1 ;;
  esac
  export WINE
}

# Whether this machine runs 32-bit x86 programs at all: a kernel may be built
# or booted without them, and then only the 64-bit build can run here.
runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }
