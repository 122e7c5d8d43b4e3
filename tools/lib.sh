# Shared by tools/run and tools/test: installs what a fresh Debian machine lacks and sets up
# Wine with a private prefix. Quiet when everything is present.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD="$ROOT/build"

NATIVE_PACKAGES=(g++ cmake make libgtest-dev libgmock-dev googletest libbenchmark-dev clang)
CROSS_PACKAGES=(g++-mingw-w64-i686 binutils-mingw-w64-i686 mingw-w64-i686-dev)
RUN_PACKAGES=(wine wine32:i386 fonts-wine xvfb xauth imagemagick x11-utils)
SETUP_PACKAGES=(nsis)  # makensis, for the setup program

missing_packages() {
  local p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || echo "$p"
  done
}

ensure_packages() {
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    rm -f "$BUILD/.apt-updated"
  fi
  local missing
  missing=$(missing_packages "${NATIVE_PACKAGES[@]}" "${CROSS_PACKAGES[@]}" "${RUN_PACKAGES[@]}" \
    "${SETUP_PACKAGES[@]}")
  [ -z "$missing" ] && return 0
  echo "installing: $(echo $missing | tr '\n' ' ')"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq >/dev/null
  # shellcheck disable=SC2086
  apt-get install -y -qq $missing >/dev/null
}

wine_env() {
  export WINEPREFIX="$BUILD/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w || true
  fi
  # Wine draws the window frames itself, so screenshots on a bare X server show the title bar.
  if ! grep -q '"Decorated"="N"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 || true
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

build_win32() {
  cmake --preset win32 >/dev/null
  cmake --build "$BUILD/win32" -j"$(nproc)" 2>&1 | grep -vE '^\[|^-- |Scanning|Consolidate|Built target|Language library' || true
  cmake --build "$BUILD/win32" -j"$(nproc)" >/dev/null
}
