#!/usr/bin/env bash
# kovrena-cli on Linux, judged by Wine: the native program writes and deletes
# the manifest beside Windows programs inside the Wine prefix; Wine's own
# loader and attrib then say what they make of it.
#
#   linux_end_to_end.sh NATIVE_CLI WINDOWS_CLI PROBE64 PROGRAM32 TOOLS_DIR
#
# Why two test programs: apply refuses every program that is not 32-bit x86
# (an x86 dependency stops a 64-bit program from starting), so writing,
# attributes and undo are checked on a 32-bit program. This machine runs
# 64-bit Windows programs only, and a 64-bit process is not bound to an x86
# dependency; the binding itself is therefore proved with the 64-bit probe
# of the loader test, beside which the manifest the CLI wrote gets the two
# processorArchitecture attributes changed to amd64 and nothing else: the
# same rewrite, for the same reason, as the loader test makes.
set -euo pipefail

native_cli=$1
windows_cli=$2
probe64=$3
program32=$4
tools=$5

fail() {
  echo "FAIL: $*" >&2
  exit 1
}
step() { echo "--- $*"; }

[ -x "$native_cli" ] || fail "no native kovrena-cli at $native_cli: build the native preset first"
[ -f "$windows_cli" ] || fail "no kovrena-cli.exe at $windows_cli"
[ -f "$probe64" ] || fail "no 64-bit probe at $probe64"
[ -f "$program32" ] || fail "no 32-bit program at $program32: build the xp preset first"

# shellcheck source=tools/wine-env.sh
. "$tools/wine-env.sh"
[ -d "$WINEPREFIX/drive_c" ] || fail "no Wine prefix at $WINEPREFIX (tools/setup.sh makes it)"

folder=$(mktemp -d "$WINEPREFIX/drive_c/kovrena-cli-e2e.XXXXXX")
trap 'rm -rf "$folder"' EXIT
win_folder="C:\\$(basename "$folder")"

# Exit status of a command, without set -e ending the script.
status_of() {
  local rc=0
  "$@" >"$folder/.out" 2>"$folder/.err" || rc=$?
  echo "$rc"
}
expect_status() {
  local want=$1
  shift
  local got
  got=$(status_of "$@")
  [ "$got" = "$want" ] || fail "$* ended with $got, not $want: $(cat "$folder/.out" "$folder/.err")"
}
expect_output() {
  grep -qF -- "$1" "$folder/.out" "$folder/.err" || fail "no '$1' in: $(cat "$folder/.out" "$folder/.err")"
}
dos_attrib() { getfattr --only-values -n user.DOSATTRIB "$1" 2>/dev/null || echo none; }
# The attribute letters Wine's attrib shows for one file, path left out.
wine_flags() {
  "$KOVRENA_WINE" cmd /c attrib "$1" 2>/dev/null | tr -d '\r' | sed 's/C:\\.*//'
}
# The comctl32 module the probe at this Windows path was bound to.
probe_binding() { "$KOVRENA_WINE" "$1" 2>/dev/null | tr 'A-Z' 'a-z'; }
# Rewrites a file in place, so that its inode and so its DOS attributes stay.
rewrite_in_place() {
  sed "$1" "$2" >"$folder/.rewrite"
  cat "$folder/.rewrite" >"$2"
}

step "apply natively on a 32-bit program: the engine's bytes, Hidden+System"
program="$folder/Eski Program.exe"
manifest="$program.manifest"
cp "$program32" "$program"
expect_status 0 "$native_cli" status "$program"
expect_output "32 bit x86 programı"
expect_status 0 "$native_cli" apply "$program"
expect_output "Eski Program.exe: XP Görünüm Stili uygulandı"
[ "$(dos_attrib "$manifest")" = "0x6" ] || fail "user.DOSATTRIB is $(dos_attrib "$manifest")"
flags=$(wine_flags "$win_folder\\Eski Program.exe.manifest")
case "$flags" in *H*) ;; *) fail "Wine does not see the manifest hidden: '$flags'" ;; esac
case "$flags" in *S*) ;; *) fail "Wine does not see the manifest system: '$flags'" ;; esac
expect_status 0 "$native_cli" status "$program"
expect_output "yanında bu programın yazdığı manifest var"
cp "$manifest" "$folder/.native-bytes"

step "the Windows build, run by Wine, writes the very same bytes and attributes"
expect_status 0 "$native_cli" undo "$program"
[ ! -e "$manifest" ] || fail "undo left $manifest"
expect_status 0 "$KOVRENA_WINE" "$windows_cli" apply "$win_folder\\Eski Program.exe"
cmp -s "$manifest" "$folder/.native-bytes" || fail "the two builds wrote different bytes"
[ "$(dos_attrib "$manifest")" = "0x6" ] || fail "Windows build: user.DOSATTRIB is $(dos_attrib "$manifest")"
expect_status 0 "$native_cli" undo "$program"

step "a maker's manifest survives undo; apply refuses a 64-bit program"
printf '<assembly/>' >"$manifest"
expect_status 1 "$native_cli" undo "$program"
[ "$(cat "$manifest")" = "<assembly/>" ] || fail "undo touched a foreign manifest"
rm -f "$manifest"
cp "$probe64" "$folder/probe64.exe"
expect_status 1 "$native_cli" apply "$folder/probe64.exe"
expect_output "64 bit x64 programı"
[ ! -e "$folder/probe64.exe.manifest" ] || fail "a manifest was written beside a 64-bit program"

step "binding: the probe gets the system's comctl32 without a manifest"
probe="$folder/probe.exe"
cp "$probe64" "$probe"
plain=$(probe_binding "$win_folder\\probe.exe")
[ -n "$plain" ] || fail "the probe reported nothing"
case "$plain" in *winsxs*) fail "bound to v6 before any manifest: $plain" ;; esac

step "binding: the manifest the CLI wrote, made for amd64, binds common controls v6"
# The CLI writes for the 32-bit program of that name; the 64-bit probe then
# takes the program's place, and the manifest stays where the CLI put it.
cp "$program32" "$probe"
expect_status 0 "$native_cli" apply "$probe"
cp "$probe64" "$probe"
rewrite_in_place 's/processorArchitecture="x86"/processorArchitecture="amd64"/g' "$probe.manifest"
[ "$(dos_attrib "$probe.manifest")" = "0x6" ] || fail "the rewrite lost the attributes"
styled=$(probe_binding "$win_folder\\probe.exe")
case "$styled" in *winsxs*common-controls*) ;; *) fail "not bound to v6: $styled" ;; esac

step "undo natively: only the engine's bytes are removed, and the system copy binds again"
expect_status 1 "$native_cli" undo "$probe"
expect_output "silinmedi"
rewrite_in_place 's/processorArchitecture="amd64"/processorArchitecture="x86"/g' "$probe.manifest"
expect_status 0 "$native_cli" undo "$probe"
expect_output "XP Stili Görünüm düzenlemesi geri alındı"
[ ! -e "$probe.manifest" ] || fail "undo left the manifest"
undone=$(probe_binding "$win_folder\\probe.exe")
[ "$undone" = "$plain" ] || fail "after undo bound to '$undone', before to '$plain'"

echo "linux end to end: passed (bound to $styled)"
