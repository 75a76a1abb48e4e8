# Sourced by scripts/test and scripts/run: a private Wine prefix inside the
# build tree, a persistent wineserver, and an X display (a private Xvfb when
# there is none). Never touches ~/.wine.
LV_TOP=${LV_TOP:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
export WINEPREFIX="${LV_WINEPREFIX:-$LV_TOP/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
LV_XVFB_PID=""

# With the 32-bit Wine installed, the wine command starts every program in the
# 32-bit loader, which hands a 64-bit one on to the 64-bit loader: seconds
# lost each time where 32-bit code runs under emulation. 64-bit programs, and
# Wine's own tools, go straight to the 64-bit loader; a 32-bit program started
# from them still gets the 32-bit one.
LV_WINE=$(command -v wine)
[ -x /usr/lib/wine/wine64 ] && LV_WINE=/usr/lib/wine/wine64
wine() { "$LV_WINE" "$@"; }
# Where the kernel runs no 32-bit code and qemu-i386 stands in (scripts/setup),
# a 2 GB address space for the 32-bit processes spares Wine's start-up a long
# search of the space above 2 GB (a minute a process, against a second).
export QEMU_RESERVED_VA=0x81000000

# Windows keeps win.ini's [colors] in HKCU\Control Panel\Colors, where Wine
# too loads the colors from at start; Wine's own prefixes lack the mapping,
# so that colors made permanent would be lost when Wine restarts.
bench_map_colors() {
  wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\IniFileMapping\win.ini' \
    /v colors /d 'USR:Control Panel\Colors' /f >/dev/null 2>&1
}

# Wine draws caption buttons and check marks with the Marlett font. Debian's
# Wine reads fonts only from the prefix's C:\windows\Fonts and fontconfig's
# folders, not from /usr/share/wine/fonts where fonts-wine puts Marlett:
# without this copy the buttons show as the letters "0 1 r".
bench_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts"
  [ -f "$fonts/marlett.ttf" ] && return 0
  mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
}

# Makes the prefix when it is missing, or was made by another Wine (a prefix
# made before the 32-bit Wine came can start no program afterwards).
bench_keep_prefix() {
  local stamp
  stamp="$(wine --version 2>/dev/null) $(ls /usr/lib/wine/ 2>/dev/null | tr '\n' ' ')"
  if [ -d "$WINEPREFIX" ] && [ "$(cat "$WINEPREFIX/.lv-stamp" 2>/dev/null)" = "$stamp" ]; then bench_fonts; return 0; fi
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  LANG=C wine wineboot -i >/dev/null 2>&1
  wineserver -w
  bench_fonts
  echo "$stamp" >"$WINEPREFIX/.lv-stamp"
}

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
  LANG=C wine wineboot -i >/dev/null 2>&1
  # Unmanaged windows: on a bare Xvfb, Wine otherwise waits for a window
  # manager each time a window closes (about 2 s).
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
  wineserver -w
  bench_fonts
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
