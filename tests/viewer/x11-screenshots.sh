#!/bin/sh
# Runs the X11 screenshot tests of a test program on a private Xvfb display
# with the openbox window manager; exits 77 (skipped) without them.
set -u
program=$1
for tool in Xvfb openbox xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed"; exit 77; }
done
work=$(mktemp -d "${TMPDIR:-/tmp}/kelvppvw-x11.XXXXXX")
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
tries=0
while [ ! -s "$work/display" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; kill $xvfb; exit 1; }
DISPLAY=":$(cat "$work/display")"
export DISPLAY
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm=$!
sleep 1
QT_QPA_PLATFORM=xcb "$program" --gtest_also_run_disabled_tests --gtest_filter='*DISABLED_X11*'
status=$?
kill $wm $xvfb 2>/dev/null
wait 2>/dev/null
rm -rf "$work"
exit $status
