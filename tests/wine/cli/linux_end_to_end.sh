#!/usr/bin/env bash
# kovrena-cli on Linux, judged by Wine: the native program writes and deletes
# the manifest beside Windows programs inside the Wine prefix; Wine's own
# loader and attrib then say what they make of it.
#
#   linux_end_to_end.sh NATIVE_CLI WINDOWS_CLI PROBE64 PROGRAM32 TOOLS_DIR
#
# Two test programs: the 32-bit window program gets the window program's
# bytes (compared with the Windows build's), the 64-bit probe of the loader
# test gets the amd64 manifest, and Wine's loader binds it to common
# controls v6 as written.
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

# shellcheck source=../../../tools/wine-env.sh
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
probe_binding() { "$KOVRENA_WINE" "$1" 2>/dev/null | LC_ALL=C tr '[:upper:]' '[:lower:]'; }
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
expect_status 3 "$native_cli" apply "$program"
expect_output "Eski Program.exe: XP Görünüm Stili uygulandı"
[ "$(dos_attrib "$manifest")" = "0x6" ] || fail "user.DOSATTRIB is $(dos_attrib "$manifest")"
flags=$(wine_flags "$win_folder\\Eski Program.exe.manifest")
case "$flags" in *H*) ;; *) fail "Wine does not see the manifest hidden: '$flags'" ;; esac
case "$flags" in *S*) ;; *) fail "Wine does not see the manifest system: '$flags'" ;; esac
expect_status 0 "$native_cli" status "$program"
expect_output "yanında: bu aracın"
cp "$manifest" "$folder/.native-bytes"

step "the Windows build, run by Wine, writes the very same bytes and attributes"
expect_status 0 "$native_cli" undo "$program"
[ ! -e "$manifest" ] || fail "undo left $manifest"
expect_status 3 "$KOVRENA_WINE" "$windows_cli" apply "$win_folder\\Eski Program.exe"
cmp -s "$manifest" "$folder/.native-bytes" || fail "the two builds wrote different bytes"
[ "$(dos_attrib "$manifest")" = "0x6" ] || fail "Windows build: user.DOSATTRIB is $(dos_attrib "$manifest")"
expect_status 0 "$native_cli" undo "$program"

step "a maker's manifest survives undo, which ends as refused"
printf '<assembly/>' >"$manifest"
expect_status 3 "$native_cli" undo "$program"
[ "$(cat "$manifest")" = "<assembly/>" ] || fail "undo touched a foreign manifest"
expect_status 0 "$native_cli" check "$program"
expect_output "manifest değil"
rm -f "$manifest"

step "binding: the probe gets the system's comctl32 without a manifest"
probe="$folder/probe.exe"
cp "$probe64" "$probe"
plain=$(probe_binding "$win_folder\\probe.exe")
[ -n "$plain" ] || fail "the probe reported nothing"
case "$plain" in *winsxs*) fail "bound to v6 before any manifest: $plain" ;; esac

step "binding: the amd64 manifest the CLI writes beside the 64-bit probe binds common controls v6"
expect_status 0 "$native_cli" apply "$probe"
grep -q 'processorArchitecture="amd64"' "$probe.manifest" || fail "not the amd64 manifest: $(cat "$probe.manifest")"
[ "$(dos_attrib "$probe.manifest")" = "0x6" ] || fail "user.DOSATTRIB is $(dos_attrib "$probe.manifest")"
styled=$(probe_binding "$win_folder\\probe.exe")
case "$styled" in *winsxs*common-controls*) ;; *) fail "not bound to v6: $styled" ;; esac
expect_status 0 "$native_cli" check "$probe"
expect_output "Wine: ortak denetimler v6"

step "undo natively: the tool's manifest is removed, and the system copy binds again"
expect_status 0 "$native_cli" undo "$probe"
expect_output "XP Stili Görünüm düzenlemesi geri alındı"
[ ! -e "$probe.manifest" ] || fail "undo left the manifest"
undone=$(probe_binding "$win_folder\\probe.exe")
[ "$undone" = "$plain" ] || fail "after undo bound to '$undone', before to '$plain'"

echo "linux end to end: passed (bound to $styled)"
