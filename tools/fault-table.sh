#!/usr/bin/env bash
# The fault table of the manifest writing: each fault, and what it leaves
# on disk, the message and the exit code, as Markdown rows. Faults come from
# strace (kill or ENOSPC at a system call), links, letter case, a ramfs
# (no user xattrs; needs root to mount) and the WoW64 system folder.
#
#   tools/fault-table.sh NATIVE_CLI WINDOWS_CLI
#
# WINDOWS_CLI is best the i686 build (build/xp/cli/kovrena-cli.exe): only it
# meets WoW64 redirection. The 32-bit program written for is the xp build's
# Kovrena.exe. Runs in the Wine prefix of tools/wine-env.sh.
set -u
native=$(realpath "$1"); wcli=$(realpath "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
. "$root/tools/wine-env.sh"
W=$root/tools/wine-exec
prog32=$root/build/xp/app/Kovrena.exe
work=$(mktemp -d); trap 'umount "$work/ramfs" 2>/dev/null; rm -rf "$work" "$base"' EXIT
base=$WINEPREFIX/drive_c/kovrena-faults; rm -rf "$base"; mkdir -p "$base"
oneline() { tr -d '\r' | tr '\n' '|' | cut -c1-220; }
left() { # what is at a path
  local p=$1
  if [ -L "$p" ]; then echo "link->$(readlink "$p")"; elif [ -e "$p" ]; then echo "file $(stat -c %s "$p")B attr=$(getfattr --only-values -n user.DOSATTRIB "$p" 2>/dev/null || echo none)"; else echo none; fi
}
others() { ls -A "$1" | grep -v '^p.exe$' | tr '\n' ' '; }
row() { echo "| $1 | $2 | $3 | $4 |"; }
old='<assembly>eski</assembly>'

d=$base/kill; mkdir -p $d; cp $prog32 $d/p.exe
strace -f -qq -o /dev/null -e trace=write -e inject=write:signal=SIGKILL:when=1 $native apply $d/p.exe >$work/o 2>&1; rc=$?
row "kill at first write, no manifest (native apply)" "$(left $d/p.exe.manifest); others: $(others $d)" "$(oneline <$work/o)" $rc
rm -f $d/p.exe.manifest* $d/.p.exe*; printf "$old" > $d/p.exe.manifest
strace -f -qq -o /dev/null -e trace=write -e inject=write:signal=SIGKILL:when=1 $native apply --force $d/p.exe >$work/o 2>&1; rc=$?
row "kill at first write, over old manifest (native apply --force)" "$(left $d/p.exe.manifest); others: $(others $d)" "$(oneline <$work/o)" $rc

rm -f $d/p.exe.manifest*; printf "$old" > $d/p.exe.manifest
strace -f -qq -o /dev/null -e trace=rename,renameat,renameat2 -e inject=rename,renameat,renameat2:signal=SIGKILL:when=1 $native apply --force $d/p.exe >$work/o 2>&1; rc=$?
row "kill at the rename, over old manifest (native apply --force)" "$(left $d/p.exe.manifest); others: $(others $d)" "$(oneline <$work/o)" $rc
rm -f $d/p.exe.manifest*
$native apply $d/p.exe >$work/o 2>&1; rc=$?
row "next apply after the kills (native)" "$(left $d/p.exe.manifest); others: $(others $d)" "$(oneline <$work/o)" $rc

d=$base/enospc; mkdir -p $d; cp $prog32 $d/p.exe; printf "$old" > $d/p.exe.manifest
strace -f -qq -o /dev/null -e trace=write -e inject=write:error=ENOSPC:when=1 $native apply --force $d/p.exe >$work/o 2>&1; rc=$?
row "ENOSPC on write, over old manifest (native apply --force)" "$(left $d/p.exe.manifest); others: $(others $d)" "$(oneline <$work/o)" $rc

d=$base/wl; mkdir -p $d; cp $prog32 $d/p.exe
for cmd in "undo --force" "apply --force"; do
  printf 'precious' > $work/precious.txt; rm -f $d/p.exe.manifest; ln -s $work/precious.txt $d/p.exe.manifest
  $W $wcli $cmd 'C:\kovrena-faults\wl\p.exe' >$work/o 2>&1; rc=$?
  row "symlink at manifest path (wine cli $cmd)" "$(left $d/p.exe.manifest); precious: $( [ -e $work/precious.txt ] && echo "$(stat -c %s $work/precious.txt)B" || echo deleted)" "$(oneline <$work/o)" $rc
  printf 'precious' > $work/precious.txt; rm -f $d/p.exe.manifest; ln -s $work/precious.txt $d/p.exe.manifest
  $native $cmd $d/p.exe >$work/o 2>&1; rc=$?
  row "symlink at manifest path (native cli $cmd)" "$(left $d/p.exe.manifest); precious: $( [ -e $work/precious.txt ] && echo "$(stat -c %s $work/precious.txt)B" || echo deleted)" "$(oneline <$work/o)" $rc
done
rm -f $d/p.exe.manifest

d=$base/case; mkdir -p $d; cp $prog32 $d/p.exe
$native apply $d/p.exe >/dev/null 2>&1; mv $d/p.exe.manifest $d/P.EXE.MANIFEST
$native status $d/p.exe >$work/o 2>&1; rc=$?
row "P.EXE.MANIFEST beside p.exe (native status)" "$(left $d/P.EXE.MANIFEST)" "$(oneline <$work/o)" $rc
$native undo $d/p.exe >$work/o 2>&1; rc=$?
row "P.EXE.MANIFEST beside p.exe (native undo)" "$(left $d/P.EXE.MANIFEST)" "$(oneline <$work/o)" $rc

mkdir -p $work/ramfs && mount -t ramfs ramfs $work/ramfs || echo "| ramfs | not mounted (root needed) | - | - |"
r=$work/ramfs/m; mkdir -p $r; cp $prog32 $r/p.exe
wr="Z:$(echo "$r" | tr / '\\')"
$native apply $r/p.exe >$work/o 2>&1; rc=$?
row "ramfs, no user xattrs (native apply)" "$(left $r/p.exe.manifest); others: $(others $r)" "$(oneline <$work/o)" $rc
rm -f $r/p.exe.manifest
$W $wcli apply "$wr\\p.exe" >$work/o 2>&1; rc=$?
row "ramfs, no user xattrs (wine cli apply)" "$(left $r/p.exe.manifest); others: $(others $r)" "$(oneline <$work/o)" $rc
$W $wcli status "$wr\\p.exe" >$work/o 2>&1; rc=$?
row "ramfs, then (wine cli status)" "-" "$(oneline <$work/o)" $rc
rm -f $r/p.exe.manifest

$W $wcli status 'C:\windows\system32\notepad.exe' >$work/o 2>&1; rc=$?
row "WoW64: wine cli status C:\\windows\\system32\\notepad.exe" "-" "$(oneline <$work/o)" $rc
d=$base/pairs; mkdir -p $d; cp $prog32 $d/p.exe; : > $work/pairs
$native apply $d/p.exe >/dev/null 2>&1; whole=$(wc -c <$d/p.exe.manifest)
for i in $(seq 200); do
  rm -f $d/p.exe.manifest*
  ( $native apply $d/p.exe >$work/pa 2>&1; echo "a$? $(grep -c 'daha önceden' $work/pa)" >> $work/pairs ) &
  ( $native apply $d/p.exe >$work/pb 2>&1; echo "b$? $(grep -c 'daha önceden' $work/pb)" >> $work/pairs ) &
  wait
  [ "$(cat $d/p.exe.manifest 2>/dev/null | wc -c)" = "$whole" ] || echo short >> $work/pairs
done
row "200 parallel native apply pairs on a fresh program" "short manifests: $(grep -c short $work/pairs)" "runs with 'daha önceden': $(grep -c ' [1-9]' $work/pairs)" "exit!=0: $(grep -c '^[ab][1-9]' $work/pairs)"
