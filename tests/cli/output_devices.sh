#!/bin/bash
# --output and calendar --png onto a character device and a FIFO made in a temporary folder: both
# are written in place and stay what they are; a device that fails like a full disk gives exit 3
# and the reason. Needs root for mknod; skipped (77) otherwise.
cli="$1"
[ "$(id -u)" = 0 ] || { echo "skipped: mknod needs root"; exit 77; }
fail=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
export XDG_RUNTIME_DIR="$tmp/.run"; mkdir -m 700 "$XDG_RUNTIME_DIR"
say() { echo "FAILED: $*"; fail=1; }
mknod "$tmp/full" c 1 7 && mknod "$tmp/full.png" c 1 7 && mknod "$tmp/null" c 1 3 || { echo "FAILED: mknod"; exit 1; }
mkfifo "$tmp/fifo" "$tmp/fifo.png" || { echo "FAILED: mkfifo"; exit 1; }
still() { [ "$1" "$2" ] || say "$2 is no longer what it was: $(ls -l "$2")"; }

# The full device: exit 3, the reason, nothing else; it stays a character device, no file beside it.
for args in "festivals 2025 --format csv --output $tmp/full" "days 2025-01-01 2025-12-31 --output $tmp/full" \
            "calendar --ajd 2451545 --png $tmp/full.png" "calendar --ajd 2451545 --png $tmp/full"; do
  # shellcheck disable=SC2086
  "$cli" $args >"$tmp/stdout" 2>"$tmp/err"; rc=$?
  target=${args##* }
  [ $rc = 3 ] && [ "$(cat "$tmp/err")" = "orlun-cli: Cannot write the file $target (No space left on device)" ] \
    && [ ! -s "$tmp/stdout" ] || say "[$args]: exit $rc, [$(cat "$tmp/err")]"
  still -c "$target"
done
still -c "$tmp/full.png"
"$cli" months 1900 2100 --output "$tmp/null" || say "--output onto a null device"
still -c "$tmp/null"

# A FIFO with a reader: the reader gets exactly the data; the FIFO stays.
for args in "festivals 2025 --format ics" "months 1900 2100 --format json"; do
  # shellcheck disable=SC2086
  "$cli" $args 2>/dev/null | grep -v '^DTSTAMP' >"$tmp/want"
  (grep -v '^DTSTAMP' <"$tmp/fifo" >"$tmp/got") & reader=$!
  # shellcheck disable=SC2086
  timeout 60 "$cli" $args --output "$tmp/fifo"; rc=$?
  wait $reader
  [ $rc = 0 ] && cmp -s "$tmp/want" "$tmp/got" || say "[$args] through a FIFO ($rc)"
  still -p "$tmp/fifo"
done
"$cli" calendar --ajd 2451545 --png - >"$tmp/want.png" 2>/dev/null
cat "$tmp/fifo.png" >"$tmp/got.png" & reader=$!
timeout 60 "$cli" calendar --ajd 2451545 --png "$tmp/fifo.png" 2>"$tmp/err"; rc=$?
wait $reader
[ $rc = 0 ] && cmp -s "$tmp/want.png" "$tmp/got.png" && [ "$(tail -1 "$tmp/err")" = "$tmp/fifo.png" ] \
  || say "--png onto a FIFO ($rc): $(cat "$tmp/err")"
still -p "$tmp/fifo.png"
[ "$(ls -A "$tmp" | grep -v '^\.run$' | grep -c '^\.')" = 0 ] || say "temporary files left: $(ls -A "$tmp")"
exit $fail
