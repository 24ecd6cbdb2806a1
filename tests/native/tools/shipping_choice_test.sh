#!/bin/sh
# What a test labelled shipping runs on a machine: its x86_64 half always,
# its i686 half only where the machine executes i386 code and
# KOVRENA_RUNS_I386=no does not have it behave otherwise; the i686 half is
# then reported as skipped, never the x86_64 one. Nothing is started: the
# exe named does not exist, so a half that would run stops before Wine.
tools=$1
env -u KOVRENA_RUNS_I386 sh -c ". '$tools/i386.sh'; kovrena_runs_i386" && machine="" || machine=i686
failures=0
# KOVRENA_RUNS_I386 | the halves skipped
for row in "unset $machine" "no i686" "yes $machine" "empty $machine"; do
  # shellcheck disable=SC2086 # the words of a row are its fields
  set -- $row
  setting=$1 expected=${2:-}
  skipped=""
  for half in i686 x86_64; do
    case "$setting" in
      unset) env -u KOVRENA_RUNS_I386 KOVRENA_EXE_UNDER_TEST=/nonexistent/Kovrena.exe \
               sh "$tools/shipping-test" "$half" /nonexistent/test.exe >/dev/null 2>&1 ;;
      empty) env KOVRENA_RUNS_I386= KOVRENA_EXE_UNDER_TEST=/nonexistent/Kovrena.exe \
               sh "$tools/shipping-test" "$half" /nonexistent/test.exe >/dev/null 2>&1 ;;
      *) env KOVRENA_RUNS_I386="$setting" KOVRENA_EXE_UNDER_TEST=/nonexistent/Kovrena.exe \
           sh "$tools/shipping-test" "$half" /nonexistent/test.exe >/dev/null 2>&1 ;;
    esac
    [ $? = 77 ] && skipped="$skipped$half"
  done
  if [ "$skipped" != "$expected" ]; then
    echo "KOVRENA_RUNS_I386=$setting: skipped '$skipped', expected '$expected'"
    failures=$((failures + 1))
  fi
done
if [ -z "$machine" ]; then where="runs on this machine"; else where="is skipped on this machine"; fi
[ "$failures" = 0 ] && echo "every setting runs the x86_64 half; without KOVRENA_RUNS_I386=no the i686 half $where"
exit "$failures"
