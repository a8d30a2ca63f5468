#!/bin/sh
# Runs a gui test on its own virtual 1024x768 display, so window geometry does not depend on
# the desktop it is run from. Listing the tests needs no display.
case "$*" in
*--gtest_list_tests*) exec "$@" ;;
esac
exec xvfb-run -a -s "-screen 0 1024x768x24" "$@"
