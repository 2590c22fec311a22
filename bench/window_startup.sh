#!/bin/bash
# The start-up of the window: the processor time (user + system) an orlun process has used once it
# sits idle, offscreen, with a fresh home folder (no saved state). Each program starts RUNS times
# (default 5), alternating; the median is printed. The program is ended after WAIT seconds.
# Usage: window_startup.sh ORLUN [OTHER-ORLUN] [RUNS]
set -uo pipefail
programs=("$1")
runs=5
wait_s=3
if [ $# -ge 2 ] && [ -x "$2" ]; then programs+=("$2"); shift; fi
[ $# -ge 2 ] && runs="$2"
tick=$(getconf CLK_TCK)
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

declare -A cpu=()
for ((r = 0; r < runs; r++)); do
  for p in "${programs[@]}"; do
    rm -rf "${home:?}"/*
    HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" QT_QPA_PLATFORM=offscreen \
      "$p" > /dev/null 2>&1 &
    pid=$!
    sleep "$wait_s"
    # Fields 14 and 15 of /proc/PID/stat: user and system time in clock ticks.
    used=$(awk -v t="$tick" '{ printf "%.3f", ($14 + $15) / t }' "/proc/$pid/stat")
    kill "$pid"
    wait "$pid" 2>/dev/null
    cpu[$p]+="$used "
  done
done
for p in "${programs[@]}"; do
  printf '%-8.3f s of processor time to start, median of %d  [%s]\n' \
    "$(echo "${cpu[$p]}" | tr ' ' '\n' | grep . | median)" "$runs" "$p"
done
