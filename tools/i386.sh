# shellcheck shell=sh
# Sourced (sh or bash): whether this machine can start the shipping, 32-bit
# Kovrena.exe. Not every kernel executes i386 code; the one sure way to know
# is to run some, which needs no package at all.

# True when a static i386 Linux program runs here: 96 bytes, an ELF header,
# one loadable segment and the three instructions of exit(42).
#
# KOVRENA_RUNS_I386=no in the environment makes this machine answer as one
# whose kernel refuses i386 code, whatever it executes: as on such a machine
# the tests labelled shipping skip their i686 halves, and tools/run.sh and
# the start-up measurement take the x86_64 build of the shipping way
# (build/xp-x64) instead of the i686 exe. It cannot make a machine run i386
# code: any other value is ignored and the kernel asked.
kovrena_runs_i386() {
  [ "${KOVRENA_RUNS_I386:-}" != no ] || return 1
  kovrena_i386_probe=$(mktemp "${TMPDIR:-/tmp}/kovrena-i386.XXXXXX") || return 1
  printf '%s' 'f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAAAAAAAIAECACABAhgAAAAYAAAAAUAAAAAEAAAuAEAAAC7KgAAAM2A' |
    base64 -d >"$kovrena_i386_probe"
  chmod +x "$kovrena_i386_probe"
  kovrena_i386_rc=0
  "$kovrena_i386_probe" 2>/dev/null || kovrena_i386_rc=$?
  rm -f "$kovrena_i386_probe"
  [ "$kovrena_i386_rc" = 42 ]
}

# True when 32-bit Wine is installed.
kovrena_has_wine32() { [ -x /usr/lib/wine/wine ]; }

# True when the win64 prefix runs 32-bit programs: its syswow64 folder holds
# the 32-bit system, which wineboot writes only where 32-bit Wine ran (a
# prefix made before then has the folder empty).
kovrena_prefix_runs_32bit() {
  [ -f "$WINEPREFIX/drive_c/windows/syswow64/kernel32.dll" ] &&
    [ -f "$WINEPREFIX/drive_c/windows/syswow64/comctl32.dll" ]
}
