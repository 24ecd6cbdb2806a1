#!/bin/sh
# Of the two halves of a test labelled shipping, a machine runs exactly one:
# the i686 half where it executes i386 code, the x86_64 half where it does
# not or where KOVRENA_RUNS_I386=no has it behave so. Nothing is started:
# the exe named does not exist, so the half that would run stops before Wine.
tools=$1
env -u KOVRENA_RUNS_I386 sh -c ". '$tools/i386.sh'; kovrena_runs_i386" && machine=x86_64 || machine=i686
failures=0
# KOVRENA_RUNS_I386 | the half skipped
for row in "unset $machine" "no i686" "yes $machine" "'' $machine"; do
  set -- $row
  setting=$1 expected=$2
  skipped=""
  for half in i686 x86_64; do
    if [ "$setting" = unset ]; then
      env -u KOVRENA_RUNS_I386 KOVRENA_EXE_UNDER_TEST=/nonexistent/Kovrena.exe \
        sh "$tools/shipping-test" "$half" /nonexistent/test.exe >/dev/null 2>&1
    else
      env KOVRENA_RUNS_I386="$(eval echo "$setting")" KOVRENA_EXE_UNDER_TEST=/nonexistent/Kovrena.exe \
        sh "$tools/shipping-test" "$half" /nonexistent/test.exe >/dev/null 2>&1
    fi
    [ $? = 77 ] && skipped="$skipped$half"
  done
  if [ "$skipped" != "$expected" ]; then
    echo "KOVRENA_RUNS_I386=$setting: skipped '$skipped', expected only '$expected' skipped"
    failures=$((failures + 1))
  fi
done
[ "$failures" = 0 ] && echo "each setting skips exactly one half (this machine: the $machine half)"
exit "$failures"
