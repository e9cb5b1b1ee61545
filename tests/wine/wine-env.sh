# Sourced by tests/wine/run and scripts/demo: a private Wine prefix under the
# build folder and, when no display is given, an Xvfb of our own.
#   vv_wine_setup BUILD_DIR   -> exports WINEPREFIX, DISPLAY, WINEDEBUG
#   vv_wine_teardown          -> stops what vv_wine_setup started
# The prefix is made afresh on every setup, so no state of an earlier run
# leaks in; VV_REUSE_PREFIX=1 keeps one that already booted (faster when
# running the tests again and again by hand).

vv_xvfb_pid=""
# Debian's wine64 package ships the loader without the wine wrapper.
VV_WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
VV_WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINESERVER="$VV_WINESERVER"

vv_free_display() {
  local n
  for n in $(seq 90 160); do
    if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
      echo "$n"
      return 0
    fi
  done
  return 1
}

vv_start_xvfb() {
  local n
  n=$(vv_free_display) || { echo "wine-env: no free X display" >&2; return 1; }
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  vv_xvfb_pid=$!
  export DISPLAY=":$n"
  local i
  for i in $(seq 1 50); do
    [ -e "/tmp/.X11-unix/X${n}" ] && return 0
    kill -0 "$vv_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "wine-env: Xvfb did not start on :$n" >&2
  return 1
}

vv_wine_setup() {
  local build=$1
  export WINEPREFIX="$build/wineprefix"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  if [ "${VV_KEEP_DISPLAY:-}" != 1 ] || [ -z "${DISPLAY:-}" ]; then
    vv_start_xvfb || return 1
  fi
  if [ "${VV_REUSE_PREFIX:-}" != 1 ] || [ ! -f "$WINEPREFIX/.vv-ready" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    "$VV_WINE" wineboot -i >/dev/null 2>&1 || true
    # Without a window manager a captioned window takes two seconds to close
    # unless Wine manages it itself.
    "$VV_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    "$VV_WINESERVER" -w
    touch "$WINEPREFIX/.vv-ready"
  fi
}

vv_wine_teardown() {
  "$VV_WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "$vv_xvfb_pid" ]; then
    kill "$vv_xvfb_pid" 2>/dev/null || true
    wait "$vv_xvfb_pid" 2>/dev/null || true
    vv_xvfb_pid=""
  fi
}
