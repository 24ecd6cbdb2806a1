#!/usr/bin/env bash
# Brings a fresh Debian 12 machine to the point where Kovrena builds and its
# tests run: both MinGW-w64 cross compilers, 64-bit Wine, a virtual display,
# GoogleTest, clang for the fuzzers, shellcheck for the scripts, what the
# release command packs and checks with (dpkg-dev, lintian), the Turkish
# locale and fonts with the metrics the windows are designed for.
# Idempotent; quick when all is present.
#
# Kovrena.exe itself is built for i686 / Windows XP. Where the kernel
# executes i386 code, 32-bit Wine is installed too and the shipping exe runs
# under the tests and the run command; elsewhere an x86_64 build of the same
# sources stands in for it under 64-bit Wine.
set -euo pipefail
tools=$(cd "$(dirname "$0")" && pwd)

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

packages=(
  cmake ninja-build g++ make python3 file
  g++-mingw-w64-i686-win32 g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 fonts-wine xvfb xauth x11-utils x11-apps imagemagick
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev attr libattr1-dev libcli11-dev shellcheck
  dpkg-dev lintian
  locales fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra
)

# shellcheck source=i386.sh
. "$tools/i386.sh"
i386=no
if kovrena_runs_i386; then
  i386=yes
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup: adding the i386 architecture"
    dpkg --add-architecture i386
  fi
  packages+=(wine32:i386)
fi

need=()
for p in "${packages[@]}"; do have_pkg "$p" || need+=("$p"); done
if [ "${#need[@]}" -gt 0 ]; then
  echo "setup: installing ${need[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# The program's users are Turkish, and so is the locale Wine runs in.
if ! locale -a 2>/dev/null | grep -qix 'tr_TR\.utf-\?8'; then
  echo "setup: generating the locale tr_TR.UTF-8"
  if grep -q '^# *tr_TR\.UTF-8 UTF-8' /etc/locale.gen; then
    sed -i 's/^# *\(tr_TR\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  elif ! grep -q '^tr_TR\.UTF-8 UTF-8' /etc/locale.gen; then
    echo 'tr_TR.UTF-8 UTF-8' >>/etc/locale.gen
  fi
  locale-gen >/dev/null
fi

# shellcheck source=wine-env.sh
. "$tools/wine-env.sh"
wine() { LC_ALL="$KOVRENA_WINE_LOCALE" "$KOVRENA_WINE" "$@"; }
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "setup: creating Wine prefix $WINEPREFIX"
  wine wineboot -i >/dev/null 2>&1 || true
  "$WINESERVER" -w
fi
if [ "$i386" = yes ]; then
  # A prefix made before 32-bit Wine could run has an empty syswow64. Wine
  # brings a prefix up to date only when its stamp is older than Wine's own
  # files, which a later wine32 does not change: without the stamp the
  # update writes the 32-bit half as well.
  if ! kovrena_prefix_runs_32bit; then
    echo "setup: preparing Wine prefix $WINEPREFIX for 32-bit programs"
    rm -f "$WINEPREFIX/.update-timestamp"
    wine wineboot -u >/dev/null 2>&1 || true
    "$WINESERVER" -w
    kovrena_prefix_runs_32bit || { echo "setup: $WINEPREFIX still runs no 32-bit program" >&2; exit 1; }
  fi
else
  if [ "${KOVRENA_RUNS_I386:-}" = no ]; then
    echo "setup: KOVRENA_RUNS_I386=no: as on a machine without i386, 32-bit Wine is not asked for and the shipping i686 Kovrena.exe not run (its x86_64 build of the same making is)"
  else
    echo "setup: this machine does not execute i386 code, so the shipping Kovrena.exe cannot run here (32-bit Wine left out; its x86_64 build of the same making is tested)"
  fi
fi

# Values of the prefix's current user, each line: key, name, data.
settings=(
  # Unmanaged windows: with no window manager on the virtual display, Wine
  # otherwise waits two seconds for one each time a window is hidden.
  'Software\Wine\X11 Driver|Managed|N'
  # Fonts with the metrics of the ones the windows name. Liberation Sans has
  # Arial's advance widths (Wine's own stand-in for Arial is wider and clips
  # the about window's links). No free font has Verdana's; DejaVu Sans, drawn
  # from Bitstream Vera, shares its wide screen proportions and carries the
  # Turkish letters, where Wine would otherwise take a narrower Arial-like face.
  'Software\Wine\Fonts\Replacements|Arial|Liberation Sans'
  'Software\Wine\Fonts\Replacements|Verdana|DejaVu Sans'
)
has_value() {
  awk -v key="[$(printf '%s' "$1" | sed 's/\\/\\\\\\\\/g')]" -v line="\"$2\"=\"$3\"" '
      /^\[/ { inside = index($0, key) == 1 }
      inside && $0 == line { found = 1 }
      END { exit !found }' "$WINEPREFIX/user.reg" 2>/dev/null
}
missing=""
for setting in "${settings[@]}"; do
  IFS='|' read -r key name data <<<"$setting"
  has_value "$key" "$name" "$data" || missing+="[HKEY_CURRENT_USER\\$key]"$'\n'"\"$name\"=\"$data\""$'\n'
done
if [ -n "$missing" ]; then
  reg_file="$WINEPREFIX/drive_c/kovrena-setup.reg"
  printf 'REGEDIT4\n\n%s' "$missing" >"$reg_file"
  wine regedit /S 'C:\kovrena-setup.reg' >/dev/null 2>&1
  "$WINESERVER" -w
  rm -f "$reg_file"
  for setting in "${settings[@]}"; do
    IFS='|' read -r key name data <<<"$setting"
    has_value "$key" "$name" "$data" || { echo "setup: could not set $key\\$name" >&2; exit 1; }
  done
fi

fonts="$WINEPREFIX/drive_c/windows/Fonts"
# Wine's own Tahoma: the windows are designed around its metrics.
if [ -f /usr/share/wine/fonts/tahoma.ttf ] && [ ! -f "$fonts/tahoma.ttf" ]; then
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$fonts/"
fi
echo "setup: ready"
