#!/bin/sh
# The release's own packaging steps on small made-up input: the zip comes out
# the same, byte for byte, whatever order and dates its files were written
# with, its entries in name order, and refuses files in a subfolder; the .deb
# written again counts its installed size from the files alone.
#   release_packaging_test.sh SOURCE
set -eu
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export SOURCE_DATE_EPOCH=1700000000
fail() { echo "FAIL: $*"; exit 1; }

zip_stage() {
  mkdir -p "$work/$1.top"
  cmake -DCPACK_TEMPORARY_DIRECTORY="$work/$1" -DCPACK_TOPLEVEL_DIRECTORY="$work/$1.top" \
    -DCPACK_PACKAGE_FILE_NAME=k -DCPACK_KOVRENA_PYTHON=python3 -DCPACK_KOVRENA_ZIP_FOLDER=K \
    -DCPACK_KOVRENA_ZIP_WRITER="$source/tools/zip-release.py" -P "$source/cmake/zip-package.cmake"
}
mkdir "$work/a" "$work/b"
for f in b.exe A.txt a.txt; do echo "$f" >"$work/a/$f"; done
for f in a.txt A.txt b.exe; do echo "$f" >"$work/b/$f"; touch -d 2001-02-03 "$work/b/$f"; done
zip_stage a
zip_stage b
cmp "$work/a.top/k.zip" "$work/b.top/k.zip" || fail "the same files gave two different zips"
names=$(python3 -c 'import sys, zipfile; print(*zipfile.ZipFile(sys.argv[1]).namelist())' "$work/a.top/k.zip")
[ "$names" = "K/A.txt K/a.txt K/b.exe" ] || fail "zip entries: $names"
mkdir "$work/a/sub"
echo x >"$work/a/sub/x"
if zip_stage a >/dev/null 2>&1; then fail "a file in a subfolder went into the zip"; fi

# 1025 bytes and 2 bytes: 3 KiB, whatever the directories take on this disk.
tree=$work/deb
mkdir -p "$tree/DEBIAN" "$tree/usr/bin" "$work/p"
printf '%s\n' 'Package: t' 'Version: 1' 'Architecture: all' 'Maintainer: T <t@example.org>' \
  'Installed-Size: 99' 'Description: t' ' t.' >"$tree/DEBIAN/control"
head -c 1025 /dev/zero >"$tree/usr/bin/t"
echo x >"$tree/usr/bin/u"
dpkg-deb --root-owner-group --build "$tree" "$work/p/t.deb" >/dev/null
cmake -DCPACK_PACKAGE_FILES="$work/p/t.deb" -DCPACK_TOPLEVEL_DIRECTORY="$work/p" \
  -P "$source/cmake/deb-installed-size.cmake"
size=$(dpkg-deb --field "$work/p/t.deb" Installed-Size)
[ "$size" = 3 ] || fail "installed size $size KiB, not 3"
