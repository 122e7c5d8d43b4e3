# Shared by tools/run and tools/test: installs what a fresh Debian machine lacks and sets up
# Wine with a private prefix. Quiet when everything is present.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

NATIVE_PACKAGES=(g++ cmake make libgtest-dev libgmock-dev googletest libbenchmark-dev clang)
CROSS_PACKAGES=(g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev)
RUN_PACKAGES=(wine wine32:i386 fonts-wine xvfb xauth imagemagick x11-utils)
SETUP_PACKAGES=(nsis)  # makensis, for the setup program
# A printer that prints into PDF files, and the tools that read the pages back. 32-bit Wine
# reaches the print system through the i386 libcups2, 64-bit Wine through the amd64 one.
PRINT_PACKAGES=(cups printer-driver-cups-pdf poppler-utils)
# Where 32-bit code cannot run, the tests run a 64-bit build under 64-bit Wine.
WIN64_PACKAGES=(wine64 g++-mingw-w64-x86-64 binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev)

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

install_packages() {
  local missing
  missing=$(missing_packages "$@")
  [ -z "$missing" ] && return 0
  echo "installing: $(echo $missing | tr '\n' ' ')"
  export DEBIAN_FRONTEND=noninteractive
  # A mirror caught mid-sync fails one index now and then: try again.
  local attempt
  for attempt in 1 2 3; do
    apt-get update -qq >/dev/null 2>&1 && break
    sleep 10
  done
  # shellcheck disable=SC2086
  apt-get install -y -qq $missing >/dev/null && return 0
  # Where the security suite's i386 index stays stale, its amd64 updates cannot pair with the
  # i386 libraries Wine needs: install from the release suites alone, with lists of their own.
  echo "retrying the install without the security suite" >&2
  local apt_dir="$BUILD/apt"
  mkdir -p "$apt_dir/parts" "$apt_dir/lists/partial"
  awk 'BEGIN { RS = ""; ORS = "\n\n" } !/debian-security/' /etc/apt/sources.list.d/*.sources \
    >"$apt_dir/parts/release.sources"
  local options=(-o "Dir::Etc::SourceParts=$apt_dir/parts" -o Dir::Etc::SourceList=/dev/null
    -o "Dir::State::Lists=$apt_dir/lists")
  apt-get "${options[@]}" update -qq >/dev/null
  # shellcheck disable=SC2086
  apt-get "${options[@]}" install -y -qq $missing >/dev/null
}

# Installs what is missing, then finds out once which Wine runs the tests: WINE_ARCH is 32 where
# this kernel executes 32-bit code, else 64; RV_WINE_ARCH=64 (or 32) forces the choice.
ensure_packages() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
  fi
  install_packages "${NATIVE_PACKAGES[@]}" "${CROSS_PACKAGES[@]}" "${RUN_PACKAGES[@]}" \
    "${SETUP_PACKAGES[@]}" "${PRINT_PACKAGES[@]}"
  WINE_ARCH=${RV_WINE_ARCH:-}
  if [ -z "$WINE_ARCH" ]; then
    WINE_ARCH=32
    /usr/lib/wine/wine --version >/dev/null 2>&1 || WINE_ARCH=64
  fi
  case "$WINE_ARCH" in
    32)
      # wine64 serves the 64-bit prefix that the shipped suite also runs in.
      install_packages libcups2:i386 wine64
      WINE=/usr/lib/wine/wine
      TEST_BUILD="$BUILD/win32"
      DIST="$BUILD/dist"
      ;;
    64)
      install_packages "${WIN64_PACKAGES[@]}" libcups2
      WINE=/usr/lib/wine/wine64
      export WINELOADER=$WINE
      TEST_BUILD="$BUILD/win64"
      DIST="$BUILD/dist64"
      ;;
    *)
      echo "RV_WINE_ARCH must be 32 or 64, not '$WINE_ARCH'" >&2
      exit 2
      ;;
  esac
}

# One line saying which build the Wine tests run, when it is not the shipped 32-bit one.
announce_wine_arch() {
  [ "$WINE_ARCH" = 64 ] || return 0
  local why="this machine cannot run 32-bit code"
  [ -n "${RV_WINE_ARCH:-}" ] && why="RV_WINE_ARCH=64"
  echo "note: Wine tests run the 64-bit build under $WINE ($why); the shipped suite is build/dist"
}

# prepare_prefix: makes $WINEPREFIX of the kind $WINEARCH with $WINE once, then sees that it has
# what every run needs.
prepare_prefix() {
  # A prefix of the other kind (made before the kind was named) cannot serve: it is made anew.
  if [ -f "$WINEPREFIX/system.reg" ] && ! grep -q "^#arch=$WINEARCH" "$WINEPREFIX/system.reg"; then
    wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
  fi
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE" wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # Wine draws the window frames itself, so screenshots on a bare X server show the title bar.
  if ! grep -q '"Decorated"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # Wine's own TrueType faces (Marlett draws the title-bar buttons, Tahoma the dialogs) are
  # found in the prefix's Fonts folder, not where Debian installs them.
  cp -u /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
}

wine_env() {
  # A 64-bit prefix is a different kind of prefix, so each Wine keeps its own.
  # The kind is named: where wine64 is installed beside it, the 32-bit loader makes a 64-bit
  # prefix by default.
  export WINEPREFIX="$BUILD/wineprefix" WINEARCH=win32
  [ "$WINE_ARCH" = 64 ] && WINEPREFIX="$BUILD/wineprefix64" WINEARCH=win64
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  prepare_prefix
}

# After wine_env: the shipped 32-bit suite in a 64-bit prefix, beside 64-bit processes as on
# 64-bit Windows. Only where this kernel runs 32-bit code; false, saying so, elsewhere.
wow64_env() {
  if [ "$WINE_ARCH" != 32 ]; then
    local why="this machine cannot run 32-bit code"
    [ -n "${RV_WINE_ARCH:-}" ] && why="RV_WINE_ARCH=$RV_WINE_ARCH"
    echo "note: no 64-bit prefix pass, which needs 32-bit Wine ($why)"
    return 1
  fi
  export WINEPREFIX="$BUILD/wineprefix-wow64"
  export WINEARCH=win64
  WINE=/usr/lib/wine/wine64
  prepare_prefix
}

# After wine_env: Wine presenting itself as Windows 98, in a prefix of its own, so that the module
# takes its 9x paths. Where only 64-bit Wine runs, the 64-bit build takes them there.
win98_env() {
  if [ "$WINE_ARCH" = 32 ]; then
    export WINEPREFIX="$BUILD/wineprefix-win98" WINEARCH=win32
    WINE=/usr/lib/wine/wine
  else
    export WINEPREFIX="$BUILD/wineprefix64-win98" WINEARCH=win64
    WINE=/usr/lib/wine/wine64
  fi
  prepare_prefix
  if ! grep -q '^"Version"="win98"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win98 /f >/dev/null 2>&1 || true
    wineserver -w || true
  fi
}

# Runs "$@" on $DISPLAY, or on a private virtual display when there is none.
with_display() {
  if [ -n "${DISPLAY:-}" ]; then
    "$@"
  else
    xvfb-run -a -s "-screen 0 1024x768x24" "$@"
  fi
}

build_native() {
  cmake --preset native >/dev/null
  cmake --build "$BUILD/native" -j"$(nproc)" 2>&1 | grep -vE '^\[|^-- |Scanning|Consolidate|Built target' || true
  cmake --build "$BUILD/native" -j"$(nproc)" >/dev/null
}

# build_windows win32|win64: the suite, the platform tests and the e2e driver.
build_windows() {
  local cache="$BUILD/$1/CMakeCache.txt" toolchain="$ROOT/cmake/mingw-i686.cmake"
  [ "$1" = win64 ] && toolchain="$ROOT/cmake/mingw-x86_64.cmake"
  # A changed toolchain means other compilers: configure afresh.
  if [ -f "$cache" ] && [ "$toolchain" -nt "$cache" ]; then
    cmake --preset "$1" --fresh >/dev/null
  else
    cmake --preset "$1" >/dev/null
  fi
  cmake --build "$BUILD/$1" -j"$(nproc)" 2>&1 | grep -vE '^\[|^-- |Scanning|Consolidate|Built target|Language library' || true
  cmake --build "$BUILD/$1" -j"$(nproc)" >/dev/null
}

# The shipped 32-bit suite is built on every machine; the 64-bit one where its Wine runs the tests.
build_win32() {
  build_windows win32
  [ "$WINE_ARCH" = 64 ] && build_windows win64
  return 0
}

# A print server of our own for the tests: cupsd in the foreground of a background job, and a
# queue "RvPDF" that prints into PDF files, made the default printer. stop_pdf_printer ends that
# one cupsd by its process id. PDF_DIRS are where the PDF backend leaves its files.
PDF_DIRS=(/root/PDF /var/spool/cups-pdf/ANONYMOUS "${HOME:-/root}/PDF")
CUPSD_PID=
start_pdf_printer() {
  [ -x /usr/sbin/cupsd ] || return 1
  if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    /usr/sbin/cupsd -f >/dev/null 2>&1 &
    CUPSD_PID=$!
    local i
    for i in $(seq 50); do
      lpstat -r 2>/dev/null | grep -q "is running" && break
      sleep 0.2
    done
  fi
  lpadmin -p RvPDF -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd >/dev/null 2>&1 &&
    lpadmin -d RvPDF >/dev/null 2>&1
}
stop_pdf_printer() {
  [ -n "$CUPSD_PID" ] || return 0
  kill "$CUPSD_PID" 2>/dev/null || true
  wait "$CUPSD_PID" 2>/dev/null || true
  CUPSD_PID=
}
