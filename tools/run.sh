#!/usr/bin/env bash
# Sets the machine up, builds Kovrena and starts it under Wine, in Turkish:
# the shipping i686 Kovrena.exe where the machine executes i386 code, else
# the x86_64 build of the same sources. Without a display it runs on a
# virtual one, saves a screenshot and ends the program.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash tools/setup.sh
. tools/wine-env.sh
. tools/i386.sh
. tools/xvfb.sh

cmake --preset xp >/dev/null && cmake --build --preset xp
if kovrena_runs_i386 && kovrena_has_wine32 && kovrena_prefix_runs_32bit; then
  exe="$root/build/xp/app/Kovrena.exe"
  which="the shipping i686 Kovrena.exe under 32-bit Wine"
else
  cmake --preset wine >/dev/null && cmake --build --preset wine --target Kovrena
  exe="$root/build/wine/app/Kovrena.exe"
  which="the x86_64 build of Kovrena (this machine executes no i386 code)"
fi
run() { LC_ALL="$KOVRENA_WINE_LOCALE" "$KOVRENA_WINE" "$exe"; }

if [ -n "${DISPLAY:-}" ]; then
  kovrena_display_start
  run || true
  echo "Kovrena ended: it was $which"
  exit 0
fi

kovrena_display_start
trap kovrena_display_stop EXIT
run &
pid=$!
# Bounded waits, stretched on a slow machine as the tests' are.
limit=$(( 120 * ${KOVRENA_WAIT_SCALE:-1} ))
window=""
start=$(date +%s)
while [ -z "$window" ] && [ $(( $(date +%s) - start )) -lt "$limit" ]; do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"Kovrena": \("kovrena.exe"/ { print $1; exit }')
  [ -n "$window" ] || sleep 0.5
done
[ -n "$window" ] || { echo "Kovrena showed no window within $limit s: it was $which" >&2; exit 1; }
# Grabbed by its X id (a grab of the root window shows Wine's frameless
# windows black), once the window has painted more than a few colours.
shot="$root/build/screenshot.png"
start=$(date +%s)
while :; do
  xwd -id "$window" -silent 2>/dev/null | /usr/bin/convert xwd:- "$shot" 2>/dev/null || true
  colours=$(/usr/bin/convert "$shot" -format %k info: 2>/dev/null || echo 0)
  [ "$colours" -gt 16 ] || [ $(( $(date +%s) - start )) -ge "$limit" ] && break
  sleep 0.5
done
kill "$pid" 2>/dev/null || true
echo "Kovrena ran on virtual display $DISPLAY as $which; screenshot saved to $shot"
