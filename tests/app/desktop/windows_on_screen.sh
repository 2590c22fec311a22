#!/bin/bash
# Runs the window test program under openbox on an Xvfb screen of the given size, at the given
# scale (QT_SCALE_FACTOR).
# usage: windows_on_screen.sh WIDTHxHEIGHT SCALE TEST_PROGRAM [test arguments]
here=$(cd "$(dirname "$0")" && pwd)
source "$here/openbox_session.sh" "$1" "$0" "$@"
shift
export QT_SCALE_FACTOR=$1; shift
program=$1; shift
"$program" "$@"
