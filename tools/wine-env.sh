# shellcheck shell=sh
# Sourced (sh or bash): the environment every Wine invocation of the project uses.
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${KOVRENA_WINEPREFIX:-$HOME/.wine-kovrena64}"
# Call the 64-bit loader directly: /usr/bin/wine prefers the 32-bit one when
# it is installed, even where the kernel cannot execute it.
export KOVRENA_WINE=/usr/lib/wine/wine64
export WINELOADER="$KOVRENA_WINE"
export WINESERVER=/usr/lib/wine/wineserver64
# The program's users are Turkish: under this locale Wine's own dialogs and
# message-box buttons read as on a Turkish Windows. Given to Wine processes
# only (tools/wine-exec and the like), never to the build's own tools.
export KOVRENA_WINE_LOCALE=tr_TR.UTF-8
