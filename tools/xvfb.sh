# shellcheck shell=bash
# Sourced: starts a private virtual display when none is set, and a
# persistent wineserver (a Wine program then starts in a fraction of the
# time). kovrena_display_stop undoes both.
kovrena_display_start() {
  KOVRENA_OWN_XVFB=""
  if [ -z "${DISPLAY:-}" ]; then
    local n=90
    while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    KOVRENA_OWN_XVFB=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  "$WINESERVER" -p >/dev/null 2>&1 || true
  # Start Wine's background services now, detached from any caller's pipes:
  # started by the first test they would hold ctest's output pipe open.
  LC_ALL="$KOVRENA_WINE_LOCALE" "$KOVRENA_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}
kovrena_display_stop() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [ -n "${KOVRENA_OWN_XVFB:-}" ]; then kill "$KOVRENA_OWN_XVFB" 2>/dev/null || true; fi
}
