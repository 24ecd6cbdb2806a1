#!/usr/bin/env bash
# Sets the machine up, builds everything and runs every test: native (plain
# and under AddressSanitizer + UBSan), the bounded fuzz runs, and the Windows
# tests under Wine on a virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
start=$(date +%s)
bash tools/setup.sh
. tools/wine-env.sh
. tools/xvfb.sh

step() { printf '\n=== %s\n' "$*"; }
configure() { cmake --preset "$1" "${@:2}" >/dev/null; }

step "Kovrena.exe for Windows XP"
configure xp
cmake --build --preset xp
xp_exe="$root/build/xp/app/Kovrena.exe"

step "Kovrena.exe built the shipping way for x86_64 (the Windows tests run it on every machine)"
configure xp-x64
cmake --build --preset xp-x64
xp_x64_exe="$root/build/xp-x64/app/Kovrena.exe"

step "native tests"
configure native -DKOVRENA_XP_EXE="$xp_exe" -DKOVRENA_XP_X64_EXE="$xp_x64_exe"
cmake --build --preset native
ctest --preset native

step "native tests under AddressSanitizer + UBSan"
configure native-asan -DKOVRENA_XP_EXE="$xp_exe" -DKOVRENA_XP_X64_EXE="$xp_x64_exe"
cmake --build --preset native-asan
ctest --preset native-asan

step "fuzzers (bounded)"
configure fuzz
cmake --build --preset fuzz
ctest --test-dir build/fuzz --output-on-failure

step "benchmarks build"
configure bench
cmake --build --preset bench

step "Windows tests under Wine"
configure wine -DKOVRENA_XP_EXE="$xp_exe" -DKOVRENA_XP_X64_EXE="$xp_x64_exe" -DKOVRENA_NATIVE_CLI="$root/build/native/cli/kovrena-cli"
cmake --build --preset wine
kovrena_display_start
trap kovrena_display_stop EXIT
mkdir -p build/artifacts
KOVRENA_ARTIFACTS="$root/build/artifacts" ctest --preset wine
. tools/i386.sh
kovrena_runs_i386 ||
  echo "the tests labelled shipping ran the x86_64 build of the shipping Kovrena.exe only: the i686 exe itself cannot run under 32-bit Wine here (no i386, or KOVRENA_RUNS_I386=no)"

echo
echo "all tests passed in $(( $(date +%s) - start )) s"
