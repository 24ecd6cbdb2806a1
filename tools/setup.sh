#!/usr/bin/env bash
# Brings a fresh Debian 12 machine to the point where Kovrena builds and its
# tests run: both MinGW-w64 cross compilers, 64-bit Wine, a virtual display,
# GoogleTest, clang for the fuzzers. Idempotent; quick when all is present.
#
# The Windows tests run under 64-bit Wine (an x86_64 build of the same
# sources). Kovrena.exe itself is built for i686 / Windows XP and is checked
# statically; 32-bit Wine needs a kernel that executes i386 code, which not
# every build machine offers.
set -euo pipefail

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(
  cmake ninja-build g++ make python3 file
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils x11-apps imagemagick
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev attr libattr1-dev libcli11-dev
)
need=()
for p in "${packages[@]}"; do have_pkg "$p" || need+=("$p"); done
if [ "${#need[@]}" -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# shellcheck source=tools/wine-env.sh
. "$(dirname "$0")/wine-env.sh"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating Wine prefix $WINEPREFIX"
  "$KOVRENA_WINE" wineboot -i >/dev/null 2>&1 || true
  wineserver -w
fi
# Unmanaged windows: with no window manager on the virtual display, Wine
# otherwise waits two seconds for one each time a window is hidden.
unmanaged() {
  awk '/^\[/ { inside = index($0, "[Software\\\\Wine\\\\X11 Driver]") == 1 }
       inside && $0 == "\"Managed\"=\"N\"" { found = 1 }
       END { exit !found }' "$WINEPREFIX/user.reg" 2>/dev/null
}
if ! unmanaged; then
  "$KOVRENA_WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
  "$WINESERVER" -w
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
# Wine's own Tahoma: the windows are designed around its metrics.
if [ -f /usr/share/wine/fonts/tahoma.ttf ] && [ ! -f "$fonts/tahoma.ttf" ]; then
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$fonts/"
fi
echo "setup: ready"
