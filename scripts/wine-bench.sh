# Sourced by scripts/test and scripts/run: a private Wine prefix inside the
# build tree, a persistent wineserver, and an X display (a private Xvfb when
# there is none). Never touches ~/.wine.
LV_TOP=${LV_TOP:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX="${LV_WINEPREFIX:-$LV_TOP/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
LV_XVFB_PID=""

bench_display() {
  if [ -z "${DISPLAY:-}" ] || [ "${LV_PRIVATE_X:-0}" = 1 ]; then
    local n=91
    while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    LV_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$n ] && break; sleep 0.1; done
  fi
}

# A new prefix for every run, so that no earlier run's settings leak in.
bench_prefix() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  LANG=C wineboot -i >/dev/null 2>&1
  # Unmanaged windows: on a bare Xvfb, Wine otherwise waits for a window
  # manager each time a window closes (about 2 s).
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
}

bench_start() {
  bench_display
  bench_prefix
  wineserver -p </dev/null >/dev/null 2>&1  # stays up between processes: the colors one sets, the next reads
}

bench_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$LV_XVFB_PID" ] && kill "$LV_XVFB_PID" 2>/dev/null || true
  LV_XVFB_PID=""
}
