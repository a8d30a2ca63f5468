#!/bin/sh
# Runs a gui test on its own virtual 1024x768 display, so window geometry does not depend on
# the desktop it is run from. Listing the tests needs no display. In a sanitizer build the leak
# checker ignores what the desktop libraries keep for the life of the process.
case "$*" in
*--gtest_list_tests*) exec "$@" ;;
esac
LSAN_OPTIONS="suppressions=$(cd "$(dirname "$0")/.." && pwd)/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
export LSAN_OPTIONS
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
