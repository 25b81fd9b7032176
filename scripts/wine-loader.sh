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

# The build that runs on this machine: the 32-bit one, or the 64-bit one
# where 32-bit programs cannot run.
machine_arch() { if runs_32bit; then echo i686; else echo x86_64; fi; }

# Starts a virtual display of its own: Xvfb picks a free number and tells it
# through a pipe. Exports DISPLAY and sets XVFB to Xvfb's process id. Words
# given go before Xvfb's command (setsid, say). Wine's desktop process takes
# the display of the first program in a prefix. The screen holds Chimelo's
# unfolded window at 200 % display scale: Wine keeps a window within it.
start_xvfb() {
  local fd number
  exec {fd}<> <(:)
  "$@" Xvfb -displayfd "$fd" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 &
  XVFB=$!
  read -r -t 20 number <&"$fd"
  exec {fd}>&-
  export DISPLAY=:$number
}
