#!/usr/bin/env bash
# Makes the release of the commit checked out, under dist/:
#   Kovrena-VERSION-win32.zip     Kovrena.exe, kovrena-cli.exe (i686) and
#                                 kovrena-cli-x64.exe, OKUBENI.txt, LISANS.txt
#   kovrena-cli_VERSION_ARCH.deb  the Linux kovrena-cli (Release, stripped),
#                                 its man page, copyright file and changelog
#   SHA256SUMS                    over both
# VERSION is the project's (project(VERSION) in CMakeLists.txt). What goes
# into each archive is what the builds install, and CPack makes them
# (cmake/release.cmake): in the xp build (after xp-x64, whose
# kovrena-cli-x64.exe it takes) and in the native-release build. The .deb
# must pass lintian without an error or a warning.
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

# The compilers, CPack's helpers (dpkg-shlibdeps) and lintian.
bash tools/setup.sh

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

# Runs a command in a folder of a source copy; its output goes to a log,
# shown when it fails.
quietly() {
  local log=$1 folder=$2
  shift 2
  if ! (cd "$folder" && "$@") >>"$log" 2>&1; then
    tail -n 40 "$log" >&2
    fail "$* failed in $folder (the whole log: $log)"
  fi
}
build() {
  local log="$work/$2-${3:-build}.log"
  quietly "$log" "$1" cmake --preset "$2"
  quietly "$log" "$1" cmake --build --preset "$2"
}
package() {
  quietly "$work/$2-package.log" "$1/build/$2" cpack
}

source=$work/source
export_source "$source"

step "Building from commit $commit"
# xp-x64 before xp: the zip made in the xp build takes its kovrena-cli-x64.exe.
for preset in xp-x64 xp native-release; do
  echo "$preset"
  build "$source" "$preset"
done
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$source/build/native-release/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in the native-release build"
cli="$source/build/native-release/cli/kovrena-cli"
[ "$("$cli" --version)" = "kovrena-cli $version" ] || fail "kovrena-cli --version does not say $version"

step "Packages"
zip_name="Kovrena-$version-win32.zip"
package "$source" xp
cp "$source/build/xp/$zip_name" "$root/dist/"
deb_name="kovrena-cli_${version}_$(dpkg --print-architecture).deb"
package "$source" native-release
cp "$source/build/native-release/$deb_name" "$root/dist/"
(cd "$root/dist" && sha256sum "$zip_name" "$deb_name" >SHA256SUMS)

step "lintian $deb_name"
lintian --fail-on error,warning --display-info "$root/dist/$deb_name" ||
  fail "lintian finds fault with $deb_name"
echo "no error, no warning"

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
