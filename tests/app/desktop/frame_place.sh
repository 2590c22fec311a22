#!/bin/bash
# The main window under a real window manager (openbox on Xvfb, 1600x1000): moved once by its
# title bar, it comes back with its frame where it was left at each of five starts ended with
# Ctrl+Q; a pipe at the settings file's place does not hold the start.
# usage: frame_place.sh ORLUN
here=$(cd "$(dirname "$0")" && pwd)
source "$here/openbox_session.sh" 1600x1000 "$0" "$@"
orlun=$1
tmp=$(mktemp -d); orlun_pid=
trap '[ -n "$orlun_pid" ] && kill $orlun_pid 2>/dev/null; rm -rf "$tmp"; kill $openbox_pid 2>/dev/null' EXIT
export XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
fail=0

# Starts the program; prints the window id.
start() {
  "$orlun" >>"$tmp/log" 2>&1 &
  orlun_pid=$!
  wid=$(visible_window orlun)
  [ -n "$wid" ] || { echo "FAILED: no window within 20 s"; cat "$tmp/log"; exit 1; }
}

quit() {
  type_ctrl_q "$wid"
  ends_within "$orlun_pid" || { echo "FAILED: Ctrl+Q did not end the program"; fail=1; }
}

start
read -r x0 y0 w0 h0 <<< "$(settled_frame_of "$wid")"
drag_by "$wid" 137 161
moved=$(settled_frame_of "$wid")
read -r x1 y1 _ <<< "$moved"
[ "$x1" != "$x0" ] && [ "$y1" != "$y0" ] || { echo "FAILED: the drag did not move the frame ($x0 $y0 -> $moved)"; exit 1; }
echo "moved from $x0 $y0 to $moved"
quit
for run in 1 2 3 4 5; do
  start
  now=$(settled_frame_of "$wid")
  echo "start $run: frame $now"
  [ "$now" = "$moved" ] || { echo "FAILED: start $run: frame $now, left at $moved"; fail=1; }
  quit
done

# A pipe in the settings file's place: the window comes at once, with the usual place.
rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$XDG_CONFIG_HOME/Velmor Systems"
mkfifo "$XDG_CONFIG_HOME/Velmor Systems/ORLUN.conf"
began=$(date +%s%N)
start
took=$(( ($(date +%s%N) - began) / 1000000 ))
echo "start with a pipe as the settings file: window after $took ms"
[ "$took" -lt 10000 ] || { echo "FAILED: the start waited $took ms"; fail=1; }
quit
[ -p "$XDG_CONFIG_HOME/Velmor Systems/ORLUN.conf" ] || { echo "FAILED: the pipe was replaced"; fail=1; }

[ $fail = 0 ] && echo "frame place: kept over five starts"
exit $fail
