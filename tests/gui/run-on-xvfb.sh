#!/bin/sh
# Runs a real-input test program on a virtual X server of its own, the size of a common laptop screen.
# Listing the tests (CMake's discovery) needs no screen. -noreset: an X server resets its keymap when its
# last client leaves, which would undo a layout set before the program connects.
for arg in "$@"; do
  case "$arg" in
    --gtest_list_tests) exec "$@" ;;
  esac
done
exec xvfb-run -a -s "-screen 0 1366x768x24 -nolisten tcp -noreset" "$@"
