# Shared by the scripts: the packages the project needs, and Wine on a display.
# Sourced, not run.

top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build_dir="$top/build"

packages=(
  cmake g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix binutils-mingw-w64
  wine64 wine fonts-wine xvfb xauth x11-utils xdotool imagemagick fonts-liberation
  googletest python3 python3-fonttools locales zip unzip binutils clang-format-14 clang-tidy-14
)

# Whether this kernel executes 32-bit x86 code, found by running a tiny static 32-bit program
# (some kernels are built or booted without it, and then answer "Exec format error").
can_run_32bit() {
  if [ -z "${varnelo_32bit:-}" ]; then
    local dir
    dir=$(mktemp -d)
    printf '.globl _start\n_start:\n  movl $1, %%eax\n  xorl %%ebx, %%ebx\n  int $0x80\n' > "$dir/exit.s"
    varnelo_32bit=no
    if as --32 "$dir/exit.s" -o "$dir/exit.o" 2>/dev/null && ld -m elf_i386 "$dir/exit.o" -o "$dir/exit" 2>/dev/null &&
        "$dir/exit" 2>/dev/null; then
      varnelo_32bit=yes
    fi
    rm -rf "$dir"
  fi
  [ "$varnelo_32bit" = yes ]
}

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }

# Installs what is missing, and only that. 32-bit Wine only where the kernel runs 32-bit
# code: elsewhere the wine wrapper would pick its 32-bit loader for 32-bit programs and fail.
ensure_packages() {
  local missing=() p
  for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  if can_run_32bit && ! installed wine32:i386; then
    echo "Installing: wine32:i386"
    dpkg --print-foreign-architectures | grep -qx i386 || $sudo dpkg --add-architecture i386
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends wine32:i386 >/dev/null
  fi
}

# The architectures whose test suite runs here: x86_64 always, the shipped i686 build where
# 32-bit Wine can run it.
i686_runs() { can_run_32bit && installed wine32:i386; }

# The locales through which Wine runs a program with another ANSI code page: Russian gives
# 1251, Japanese the double-byte 932, and Hindi, which has no legacy one, UTF-8.
test_locales=(ru_RU.UTF-8 ja_JP.UTF-8 hi_IN.UTF-8)

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
  export WINEPREFIX="${WINEPREFIX:-$build_dir/wineprefix-x86_64}"
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
# are offered through a folder of links, Wine's own fonts among them (Marlett draws the
# title bar's buttons, Tahoma is "MS Shell Dlg"). The folder is made again whenever the
# fonts on the machine change; fonts_id names what it holds.
wine_fonts() {
  local dir="$build_dir/fonts" list
  list=$(find /usr/share/fonts /usr/local/share/fonts /usr/share/wine/fonts -type f \( -iname '*.ttf' \
        -o -iname '*.otf' -o -iname '*.ttc' -o -iname '*.pfb' -o -iname '*.pcf.gz' -o -iname '*.fon' \) 2>/dev/null |
      grep -v -E '/DejaVuSans(Condensed)?(-[A-Za-z]+)?\.ttf$' | sort)
  fonts_id=$(printf '%s\n' "$list" | md5sum | cut -c1-16)
  if [ "$(cat "$build_dir/fonts.id" 2>/dev/null)" != "$fonts_id" ] || [ ! -f "$build_dir/fonts.conf" ]; then
    rm -rf "$dir" "$build_dir/fontcache"
    mkdir -p "$dir" "$build_dir/fontcache"
    printf '%s\n' "$list" | while IFS= read -r font; do [ -n "$font" ] && ln -sf "$font" "$dir/"; done
    printf '<?xml version="1.0"?>\n<fontconfig>\n  <dir>%s</dir>\n  <cachedir>%s</cachedir>\n</fontconfig>\n' \
      "$dir" "$build_dir/fontcache" > "$build_dir/fonts.conf"
    echo "$fonts_id" > "$build_dir/fonts.id"
  fi
  export FONTCONFIG_FILE="$build_dir/fonts.conf"
}

# A virtual X display when there is none (or when asked for one), as large as a monitor of
# twice the usual density, where the main window laid out at 192 dpi fits.
xvfb_pid=""
start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "${1:-}" != "--virtual" ]; then return 0; fi
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 2048x1536x24 -nolisten tcp >/dev/null 2>&1 &
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
  # A prefix is made again when the fonts it was made with have changed (it keeps its own
  # list of them), and when it was made before 32-bit Wine came: such a prefix has no 32-bit
  # side, and every program in it, 64-bit ones too, then fails to load kernel32.dll.
  local marker="$WINEPREFIX/.varnelo-fonts"
  if [ -d "$WINEPREFIX" ]; then
    if [ "$(cat "$marker" 2>/dev/null)" != "$fonts_id" ] ||
        { installed wine32:i386 && [ ! -d "$WINEPREFIX/drive_c/windows/syswow64" ]; }; then
      wineserver -k 2>/dev/null || true
      rm -rf "$WINEPREFIX"
    fi
  fi
  mkdir -p "$WINEPREFIX"
  echo "$fonts_id" > "$marker"
  wine_prefixes+=("$WINEPREFIX")
  wineserver -p
  wine wineboot -i >/dev/null 2>&1 || true
  # Wine draws the window frames itself, as Windows does, since no window manager runs.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
}

# Ends the wineservers of every prefix started here.
wine_prefixes=()
stop_wine() {
  local prefix
  for prefix in "${wine_prefixes[@]}"; do WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true; done
  wine_prefixes=()
}

# The build that stands for the program: the shipped i686 one where 32-bit Wine runs it.
program_arch() { if i686_runs; then echo i686; else echo x86_64; fi; }
# Why the shipped i686 build cannot run here; nothing when it can.
i686_missing() {
  if ! can_run_32bit; then
    echo "this kernel cannot execute 32-bit code"
  elif ! installed wine32:i386; then
    echo "32-bit Wine (wine32:i386) is not installed"
  fi
}

# The display density Wine reports to programs of the current prefix, set before they start.
set_dpi() {
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
