# Sourced by tests/wine/run and scripts/demo: a private Wine prefix under the
# build folder and, when no display is given, an Xvfb of our own.
#   vv_wine_setup BUILD_DIR   -> exports WINEPREFIX, DISPLAY, WINEDEBUG and
#                                sets VV_WINE (the loader for the build's
#                                bitness) and VV_WINE_BITS (32 or 64)
#   vv_wine_teardown          -> stops what vv_wine_setup started
# The prefix is made afresh on every setup, so no state of an earlier run
# leaks in; VV_REUSE_PREFIX=1 keeps one that already booted (faster when
# running the tests again and again by hand).
# Several runs at once (different build folders) do not meet: each has its
# own prefix, so its own wineserver, and its own X display.

vv_xvfb_pid=""
# Debian ships the loaders without the wine wrapper: wine64 runs 64-bit
# programs, wine (from wine32:i386) 32-bit ones. Both share one wineserver,
# and a prefix booted by wine64 serves both bitnesses.
VV_WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
VV_WINE32=/usr/lib/wine/wine
[ -x "$VV_WINE32" ] || VV_WINE32=$(command -v wine || echo /usr/lib/wine/wine)
VV_WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINESERVER="$VV_WINESERVER"
VV_WINE=$VV_WINE64
VV_WINE_BITS=64

# vv_pe_bits FILE: 32 or 64, from the machine field of a PE file's header.
vv_pe_bits() {
  local pe machine
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$pe" ] || return 1
  machine=$(od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' ')
  case "$machine" in
    014c) echo 32 ;;
    8664) echo 64 ;;
    *) return 1 ;;
  esac
}

# vv_build_bits BUILD_DIR: the bitness of what the build folder holds.
vv_build_bits() {
  local f
  for f in vv_wine_tests.exe listerhost.exe VornView.wlx64 VornView.wlx; do
    [ -f "$1/$f" ] && { vv_pe_bits "$1/$f"; return; }
  done
  return 1
}

# Two runs may look for a free display at the same moment. Xvfb takes a
# display by creating its lock file exclusively, so the loser of a race
# exits; the lock then names the winner's pid. Try the next number until the
# lock is ours.
vv_start_xvfb() {
  local n i lock
  for n in $(seq 90 160); do
    lock="/tmp/.X${n}-lock"
    [ -e "$lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    vv_xvfb_pid=$!
    for i in $(seq 1 50); do
      kill -0 "$vv_xvfb_pid" 2>/dev/null || break
      if [ -e "/tmp/.X11-unix/X${n}" ] && [ "$(tr -dc 0-9 <"$lock" 2>/dev/null)" = "$vv_xvfb_pid" ]; then
        export DISPLAY=":$n"
        return 0
      fi
      sleep 0.1
    done
    kill "$vv_xvfb_pid" 2>/dev/null
    wait "$vv_xvfb_pid" 2>/dev/null
    vv_xvfb_pid=""
  done
  echo "wine-env: no free X display" >&2
  return 1
}

vv_wine_setup() {
  local build=$1
  VV_WINE_BITS=$(vv_build_bits "$build") || { echo "wine-env: no Windows program in $build" >&2; return 1; }
  if [ "$VV_WINE_BITS" = 32 ]; then VV_WINE=$VV_WINE32; else VV_WINE=$VV_WINE64; fi
  [ -x "$VV_WINE" ] || { echo "wine-env: $VV_WINE is missing (scripts/setup installs it)" >&2; return 1; }
  export WINEPREFIX="$build/wineprefix"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  if [ "${VV_KEEP_DISPLAY:-}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    vv_start_xvfb || return 1
  fi
  if [ "${VV_REUSE_PREFIX:-}" != 1 ] || [ ! -f "$WINEPREFIX/.vv-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    # Booted by wine64 whatever the build: such a prefix has both system
    # folders, so 32-bit programs run in it too.
    "$VV_WINE64" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager a captioned window takes two seconds to close
    # unless Wine manages it itself.
    "$VV_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$VV_WINESERVER" -w
    touch "$WINEPREFIX/.vv-ready"
  fi
}

vv_wine_teardown() {
  [ -n "${WINEPREFIX:-}" ] && "$VV_WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$vv_xvfb_pid" ]; then
    kill "$vv_xvfb_pid" 2>/dev/null || true
    wait "$vv_xvfb_pid" 2>/dev/null || true
    vv_xvfb_pid=""
  fi
}
