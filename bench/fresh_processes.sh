#!/bin/bash
# Times orlun-cli in fresh processes: the whole-range commands whose first conversions of each year
# the sky table makes cheap, and the start-up of a single conversion. Each command runs RUNS times
# (default 5); the median wall time, the exit code and a checksum of its output (stdout and
# stderr) are printed. With two programs the commands run side by side, alternating, so both meet
# the same load; their outputs must be identical.
# Usage: fresh_processes.sh ORLUN-CLI [OTHER-ORLUN-CLI] [RUNS]
set -uo pipefail
programs=("$1")
runs=5
if [ $# -ge 2 ] && [ -x "$2" ]; then programs+=("$2"); shift; fi
[ $# -ge 2 ] && runs="$2"

commands=(
  'months -3000 2999 --country China'
  'list newyears --date "2000-06-01 CE" --years 1000'
  'selftest --seed 1'
  'multiple --month wood-rat --year wood- --within "1000 years" --date "2013-06-01 CE"'
  'convert "2013-02-10 CE"'
)

out=$(mktemp)
trap 'rm -f "$out"' EXIT
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-10s %-5s %-10s %s\n' "median s" exit "md5" "command  [program]"
for cmd in "${commands[@]}"; do
  declare -A times=() codes=() sums=()
  for ((r = 0; r < runs; r++)); do
    for p in "${programs[@]}"; do
      start=$(date +%s.%N)
      eval "\"$p\" $cmd" > "$out" 2>&1
      code=$?
      end=$(date +%s.%N)
      times[$p]+="$(echo "$end - $start" | bc) "
      codes[$p]=$code
      sums[$p]=$(md5sum < "$out" | cut -c1-10)
    done
  done
  for p in "${programs[@]}"; do
    m=$(echo "${times[$p]}" | tr ' ' '\n' | grep . | median)
    printf '%-10.3f %-5s %-10s %s  [%s]\n' "$m" "${codes[$p]}" "${sums[$p]}" "$cmd" "$p"
  done
  if [ ${#programs[@]} -eq 2 ] && [ "${sums[${programs[0]}]}" != "${sums[${programs[1]}]}" ]; then
    echo "  OUTPUTS DIFFER"
  fi
  unset times codes sums
done
