#!/usr/bin/env bash
# Makes the release of the commit checked out, under dist/:
#   Kovrena-VERSION-win32.zip     Kovrena.exe, kovrena-cli.exe (i686) and
#                                 kovrena-cli-x64.exe, OKUBENI.txt, LISANS.txt
#   kovrena-cli_VERSION_ARCH.deb  the Linux kovrena-cli (Release, stripped),
#                                 its man page and copyright file
#   SHA256SUMS                    over both
# VERSION is the project's (project(VERSION) in CMakeLists.txt). Run it on a
# machine set up by tools/setup.sh.
#
# Reproducible: everything is built from the commit itself (uncommitted
# changes are left out), the programs carry no build time, and the archives
# take their dates from the commit (SOURCE_DATE_EPOCH), so the same commit
# gives the same bytes wherever and whenever it is built. The command proves
# it each time: at the end it builds the Windows programs once more from a
# second copy of the source at another path, and fails if a byte differs.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
start=$(date +%s)
umask 022
export TZ=UTC LC_ALL=C.UTF-8

step() { printf '\n=== %s\n' "$*"; }
fail() { echo "release: $*" >&2; exit 1; }

commit=$(git rev-parse HEAD)
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "release: uncommitted changes are not part of it: built from commit $commit" >&2
fi
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH

work=$root/build/release
rm -rf "$work" "$root/dist"
mkdir -p "$work" "$root/dist"

# The commit's files at a folder of their own.
export_source() {
  mkdir -p "$1"
  git archive --format=tar "$commit" | tar -x -C "$1"
}

# Configures and builds one preset in a source copy; the output goes to a
# log, shown when the build fails.
build() {
  local source=$1 preset=$2
  local log="$work/$preset-${3:-build}.log"
  if ! (cd "$source" && cmake --preset "$preset" && cmake --build --preset "$preset") >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    fail "building $preset failed (the whole log: $log)"
  fi
}

source=$work/source
export_source "$source"

step "Building from commit $commit"
for preset in xp xp-x64 native-release; do
  echo "$preset"
  build "$source" "$preset"
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$source/build/native-release/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in the native-release build"
cli="$source/build/native-release/cli/kovrena-cli"
[ "$("$cli" --version)" = "kovrena-cli $version" ] || fail "kovrena-cli --version does not say $version"

# Texts for Windows users: the version filled in, CR LF line ends and a byte
# order mark, so that Notepad on XP shows the Turkish letters.
windows_text() {
  { printf '\357\273\277'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' "$1"; } >"$2"
}

step "Kovrena-$version-win32.zip"
zip_files=$work/zip
mkdir -p "$zip_files"
cp "$source/build/xp/app/Kovrena.exe" "$zip_files/Kovrena.exe"
cp "$source/build/xp/cli/kovrena-cli.exe" "$zip_files/kovrena-cli.exe"
cp "$source/build/xp-x64/cli/kovrena-cli.exe" "$zip_files/kovrena-cli-x64.exe"
windows_text "$source/packaging/OKUBENI.txt" "$zip_files/OKUBENI.txt"
windows_text "$source/packaging/LISANS.txt" "$zip_files/LISANS.txt"
zip_name="Kovrena-$version-win32.zip"
python3 -B "$source/tools/zip-release.py" "$root/dist/$zip_name" "Kovrena-$version" \
  "$zip_files"/{Kovrena.exe,kovrena-cli.exe,kovrena-cli-x64.exe,OKUBENI.txt,LISANS.txt}

step "kovrena-cli Debian package"
arch=$(dpkg --print-architecture)
deb=$work/deb
stage=$deb/debian/kovrena-cli
DESTDIR=$stage cmake --install "$source/build/native-release" --prefix /usr >/dev/null
gzip -9n "$stage/usr/share/man/man1/kovrena-cli.1"
doc=$stage/usr/share/doc/kovrena-cli
mkdir -p "$doc"
{
  echo "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/"
  echo "Upstream-Name: Kovrena"
  echo "Upstream-Contact: Drenvik Electronics <destek@drenvik.example>"
  echo "Source: http://www.drenvik.example"
  echo
  echo "Files: *"
  echo "Copyright: 2026 Drenvik Electronics"
  echo "License: Kovrena"
  sed -e "s/@VERSION@/$version/g" -e 's/^$/./' -e 's/^/ /' "$source/packaging/LISANS.txt"
} >"$doc/copyright"
# What the program links against, in the form dpkg wants, from Debian's own
# tool (it reads the package list from debian/control).
printf 'Source: kovrena\n\nPackage: kovrena-cli\nArchitecture: any\n' >"$deb/debian/control"
depends=$(cd "$deb" && dpkg-shlibdeps -O debian/kovrena-cli/usr/bin/kovrena-cli 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
[ -n "$depends" ] || fail "dpkg-shlibdeps found no dependencies"
size=$(find "$stage/usr" -type f -printf '%s\n' | awk '{ kb += int(($1 + 1023) / 1024) } END { print kb }')
mkdir -p "$stage/DEBIAN"
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$arch/" -e "s/@SIZE@/$size/" -e "s/@DEPENDS@/$depends/" \
  "$source/packaging/debian/control" >"$stage/DEBIAN/control"
(cd "$stage" && find usr -type f | sort | xargs md5sum) >"$stage/DEBIAN/md5sums"
deb_name="kovrena-cli_${version}_${arch}.deb"
dpkg-deb --root-owner-group -Zxz --build "$stage" "$root/dist/$deb_name" >/dev/null

(cd "$root/dist" && sha256sum "$zip_name" "$deb_name" >SHA256SUMS)

step "The same bytes from another folder"
other=$work/check/a/second/copy/of/the/source
export_source "$other"
build "$other" xp check
for program in app/Kovrena.exe cli/kovrena-cli.exe; do
  cmp "$source/build/xp/$program" "$other/build/xp/$program" ||
    fail "$program differs between two builds of commit $commit at different paths"
  echo "$(basename "$program"): identical ($(sha256sum <"$other/build/xp/$program" | cut -c1-16)…)"
done

step "dist/"
(cd "$root/dist" && ls -l && cat SHA256SUMS)
echo "release $version of commit $commit made in $(( $(date +%s) - start )) s"
