#!/usr/bin/env bash
# Sets the machine up, builds everything and runs every test: native (plain
# and under AddressSanitizer + UBSan), the bounded fuzz runs, and the Windows
# tests under Wine on a virtual display. What each step builds and runs is
# said once, in the workflow presets of CMakePresets.json; this only puts
# the machine in order around them.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$(date +%s)
bash tools/setup.sh
# shellcheck source=wine-env.sh
. tools/wine-env.sh
# shellcheck source=xvfb.sh
. tools/xvfb.sh
# shellcheck source=i386.sh
. tools/i386.sh

workflow() {
  printf '\n=== %s\n' "$2"
  cmake --workflow --preset "$1"
}

# The native and Windows tests check and run the two shipping builds, and
# the Windows tests the native kovrena-cli: the order matters. ctest keeps it
# too (fixtures that bring those builds up to date: tests/CMakeLists.txt), so
# the workflows below in this order build each once.
workflow xp "Kovrena.exe for Windows XP"
workflow xp-x64 "Kovrena.exe built the shipping way for x86_64 (the Windows tests run it on every machine)"
workflow native "native tests"
workflow native-asan "native tests under AddressSanitizer + UBSan"
workflow fuzz "fuzzers (bounded)"
workflow bench "benchmarks build"

kovrena_display_start
trap kovrena_display_stop EXIT
mkdir -p build/artifacts
workflow wine "Windows tests under Wine"
kovrena_runs_i386 ||
  echo "the tests labelled shipping ran the x86_64 build of the shipping Kovrena.exe only: the i686 exe itself cannot run under 32-bit Wine here (no i386, or KOVRENA_RUNS_I386=no)"

echo
echo "all tests passed in $(( $(date +%s) - start )) s"
