# Shared by the scripts: the packages the project needs, and Wine on a display.
# Sourced, not run.

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$top/build"

packages=(
  cmake g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine64 wine xvfb xauth x11-utils xdotool imagemagick fonts-liberation
  googletest python3 python3-fonttools locales zip unzip
)

# Installs what is missing, and only that.
ensure_packages() {
  local missing=()
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}

# The locales through which Wine runs a program with another ANSI code page: Russian gives
# 1251, Japanese the double-byte 932.
test_locales=(ru_RU.UTF-8 ja_JP.UTF-8)

ensure_locale() {
  local sudo="" wanted missing=0
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  for wanted in "${test_locales[@]}"; do
    local name=${wanted%%.*}
    locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8$" && continue
    missing=1
    if grep -q "^# *$wanted UTF-8" /etc/locale.gen 2>/dev/null; then
      $sudo sed -i "s/^# *$wanted UTF-8/$wanted UTF-8/" /etc/locale.gen
    elif ! grep -q "^$wanted UTF-8" /etc/locale.gen 2>/dev/null; then
      echo "$wanted UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    fi
  done
  [ $missing -eq 0 ] || $sudo locale-gen >/dev/null
}

# Wine with its own prefix under build/; a crash ends the program at once instead of
# starting Wine's debugger, which would wait for ever.
wine_env() {
  export WINEPREFIX="${WINEPREFIX:-$build_dir/wineprefix}"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="winedbg.exe=d;mscoree,mshtml="
  export WINEARCH=win64
  wine_fonts
}

# Wine sees the machine's fonts less two families that Wine 8 cannot lay out in an edit
# control: its Uniscribe crashes in GPOS mark-to-ligature positioning with DejaVu Sans and
# DejaVu Sans Condensed (a read past its glyph array, seen with U+02DC SMALL TILDE, code 152
# of code page 1252), so the Symbol View would take the program down with those faces.
# Windows has no such fault. Wine scans the folders that fontconfig names, so the fonts
# are offered through a folder of links.
wine_fonts() {
  local dir="$build_dir/fonts"
  if [ ! -f "$build_dir/fonts.conf" ]; then
    mkdir -p "$dir" "$build_dir/fontcache"
    find /usr/share/fonts /usr/local/share/fonts -type f \( -iname '*.ttf' -o -iname '*.otf' \
        -o -iname '*.ttc' -o -iname '*.pfb' -o -iname '*.pcf.gz' \) 2>/dev/null |
      grep -v -E '/DejaVuSans(Condensed)?(-[A-Za-z]+)?\.ttf$' |
      while IFS= read -r font; do ln -sf "$font" "$dir/"; done
    printf '<?xml version="1.0"?>\n<fontconfig>\n  <dir>%s</dir>\n  <cachedir>%s</cachedir>\n</fontconfig>\n' \
      "$dir" "$build_dir/fontcache" > "$build_dir/fonts.conf"
  fi
  export FONTCONFIG_FILE="$build_dir/fonts.conf"
}

# A virtual X display when there is none (or when asked for one).
xvfb_pid=""
start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--virtual" ]; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && return 0; sleep 0.1; done
  done
  echo "could not start a virtual display" >&2
  return 1
}

stop_display() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  xvfb_pid=""
}

# A persistent wineserver: each Wine process then starts in a fraction of a second.
start_wine() {
  wine_env
  # A prefix made before the font folder existed still lists the faces Wine can't lay out.
  if [ -d "$WINEPREFIX" ] && [ ! -f "$WINEPREFIX/.varnelo-fonts" ]; then rm -rf "$WINEPREFIX"; fi
  mkdir -p "$WINEPREFIX"
  touch "$WINEPREFIX/.varnelo-fonts"
  wineserver -p
  wine wineboot -i >/dev/null 2>&1 || true
  # Wine draws the window frames itself, as Windows does, since no window manager runs.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

stop_wine() {
  wineserver -k 2>/dev/null || true
}

# The display density Wine reports to programs of the current prefix, set before they start.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
