#!/bin/sh
# The man page as installed: rendered at the usual terminal widths, the
# formatter has nothing to warn about, and its title names the version.
#   man_page.sh MAN_PAGE VERSION
page=$1 version=$2
grep -q "^\.TH .*\"kovrena-cli $version\"" "$page" || { echo "$page: title does not name kovrena-cli $version"; exit 1; }
status=0
for width in 80 100 120 160; do
  warnings=$(MANWIDTH=$width man --warnings -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    echo "at $width columns: $warnings"
    status=1
  fi
done
exit $status
