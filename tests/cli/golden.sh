#!/bin/bash
# orlun-cli prints, byte for byte, what it printed when the expected outputs were captured, for a
# fixed sample of moments, years, lunations and typed dates across the whole range.
# Usage: golden.sh ORLUN-CLI [--capture]
cli="$1"
here="$(dirname "$0")/golden"
run_all() {
  while IFS= read -r cmd; do
    printf '$ %s\n' "$cmd"
    eval "\"$cli\" $cmd" 2>&1
    printf '[exit %s]\n' "$?"
  done < "$here/commands.txt"
}
if [ "${2:-}" = --capture ]; then run_all > "$here/expected.txt"; exit 0; fi
if ! diff <(run_all) "$here/expected.txt" > /tmp/orlun-golden.$$.diff; then
  echo "FAILED: output differs from the captured one:"; head -n 40 /tmp/orlun-golden.$$.diff
  rm -f /tmp/orlun-golden.$$.diff; exit 1
fi
rm -f /tmp/orlun-golden.$$.diff
echo "golden: $(wc -l < "$here/commands.txt") commands unchanged"
