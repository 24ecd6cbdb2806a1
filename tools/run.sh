#!/usr/bin/env bash
# Sets the machine up, builds Kovrena and starts it under Wine. Without a
# display it runs on a virtual one, saves a screenshot and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash tools/setup.sh
. tools/wine-env.sh
. tools/xvfb.sh

cmake --preset xp >/dev/null && cmake --build --preset xp
# This build machine may not execute 32-bit code; the x86_64 build of the
# same sources is what runs under its 64-bit Wine.
cmake --preset wine >/dev/null && cmake --build --preset wine --target Kovrena
exe="$root/build/wine/app/Kovrena.exe"

if [ -n "${DISPLAY:-}" ]; then
  kovrena_display_start
  exec "$KOVRENA_WINE" "$exe"
fi

kovrena_display_start
trap kovrena_display_stop EXIT
"$KOVRENA_WINE" "$exe" &
pid=$!
for _ in $(seq 1 100); do
  xwininfo -root -tree 2>/dev/null | grep -q '"Kovrena"' && break
  sleep 0.2
done
sleep 1
shot="$root/build/screenshot.png"
/usr/bin/import -window root "$shot"
echo "Kovrena ran on virtual display $DISPLAY; screenshot saved to $shot"
kill "$pid" 2>/dev/null || true
