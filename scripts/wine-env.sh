# Sourced by the scripts that run Windows programs: one Wine prefix inside the build folder, code
# page 936, and a virtual display when there is no real one.
SORVANE_ROOT=${SORVANE_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX=${WINEPREFIX:-$SORVANE_ROOT/build/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEARCH=win64
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export LC_ALL=zh_CN.UTF-8
# Call 64-bit Wine directly: /usr/bin/wine may pick the 32-bit loader, which cannot run here.
WINE64=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINE64 WINESERVER

sorvane_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  export DISPLAY=:${SORVANE_DISPLAY_NUM:-77}
  if ! xdpyinfo >/dev/null 2>&1; then
    rm -f "/tmp/.X${DISPLAY#:}-lock"
    (Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &)
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  fi
}

sorvane_wine_prefix() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  # A persistent server started first keeps later Wine children from holding our pipes open, and
  # keeps the prefix's services from starting again for every program.
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true
  if [ ! -f "$WINEPREFIX/.sorvane-ready" ]; then
    "$WINE64" wineboot -i >/dev/null 2>&1 </dev/null || true
    # Without a window manager Wine draws the title bars itself.
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1 </dev/null
    touch "$WINEPREFIX/.sorvane-ready"
  fi
}
