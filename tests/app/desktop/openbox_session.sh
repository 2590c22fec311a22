# Sourced by the tests that need a real display and window manager: a virtual screen (Xvfb) with
# openbox, and the look-ups of a window's frame. Skips (77) when the tools are missing.
# usage: source openbox_session.sh WIDTHxHEIGHT "$0" "$@"   (re-runs the caller inside Xvfb)

for tool in xvfb-run Xvfb openbox xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

if [ -z "${ORLUN_IN_OPENBOX:-}" ]; then
  screen=$1; shift
  export ORLUN_IN_OPENBOX=1
  exec xvfb-run -a -s "-screen 0 ${screen}x24" bash "$@"
fi

openbox >/dev/null 2>&1 &
openbox_pid=$!
trap 'kill $openbox_pid 2>/dev/null' EXIT
for _ in $(seq 100); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
# The windows run on this display, not offscreen, and speak the language a test asks for.
unset QT_QPA_PLATFORM
export LC_ALL=C.UTF-8 LANG=C.UTF-8 LANGUAGE=

# The visible window of a class, waiting up to 20 s for it; empty when none comes.
visible_window() {
  local wid
  for _ in $(seq 200); do
    wid=$(xdotool search --onlyvisible --classname "$1" 2>/dev/null | head -1)
    [ -n "$wid" ] && [ -n "$(frame_extents "$wid")" ] && { echo "$wid"; return; }
    sleep 0.1
  done
}

# left right top bottom of the frame openbox drew around a window; empty until it is framed.
frame_extents() {
  xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.* = //p' | tr -d ','
}

# "x y width height" of a window's frame on the screen.
frame_of() {
  local l r t b x y w h
  read -r l r t b <<< "$(frame_extents "$1")"
  eval "$(xwininfo -id "$1" | awk '/Absolute upper-left X/{print "x="$4} /Absolute upper-left Y/{print "y="$4}
                                 /^ *Width:/{print "w="$2} /^ *Height:/{print "h="$2}')"
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# The frame once it has stood still for half a second (the window manager and the program
# have both placed it).
settled_frame_of() {
  local last now
  last=$(frame_of "$1")
  for _ in $(seq 20); do
    sleep 0.5
    now=$(frame_of "$1")
    [ "$now" = "$last" ] && { echo "$now"; return; }
    last=$now
  done
  echo "$now"
}

# Drags a window by its title bar by (dx, dy) in small steps, as a hand does.
drag_by() {
  local wid=$1 dx=$2 dy=$3 x y w h steps=10 i
  read -r x y w h <<< "$(frame_of "$wid")"
  local t; t=$(frame_extents "$wid" | awk '{print $3}')
  local gx=$((x + w / 2)) gy=$((y + t / 2))
  xdotool mousemove "$gx" "$gy" mousedown 1
  for i in $(seq $steps); do
    xdotool mousemove $((gx + dx * i / steps)) $((gy + dy * i / steps))
    sleep 0.05
  done
  xdotool mouseup 1
}

# Ctrl+Q typed into a window, as the keyboard does (not a synthetic event).
type_ctrl_q() {
  xdotool windowactivate --sync "$1" >/dev/null 2>&1
  xdotool key ctrl+q
}

# Waits up to 20 s for a process to end; false when it does not.
ends_within() {
  local pid=$1
  for _ in $(seq 200); do
    kill -0 "$pid" 2>/dev/null || { wait "$pid" 2>/dev/null; return 0; }
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  return 1
}
