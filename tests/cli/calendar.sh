#!/bin/bash
# orlun-cli calendar: the lunar month as text and as a PNG image, and its failures.
cli="$1"
fail=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

# A 29-day month across the Common Era year end; day 15 closes the second row.
out=$("$cli" calendar --date "2012-01-01 CE" --country China --text)
expected="Month 12  in the metal-rabbit year (nian) at position 28 of cycle 79 (year 4709)
Common Era year 2011 (December) - 2012 (January)"
[ "$(head -2 <<<"$out")" = "$expected" ] || { echo "FAILED: labels"; echo "$out"; fail=1; }
[ "$(sed -n 4p <<<"$out" | awk -F' [|] ' '{print NF, $NF}')" = "8 15 Sun Jan 8" ] || { echo "FAILED: row 2"; fail=1; }
[ "$(tail -1 <<<"$out")" = "23 Mon Jan 16 | 24 Tue Jan 17 | 25 Wed Jan 18 | 26 Thu Jan 19 | 27 Fri Jan 20 | 28 Sat Jan 21 | 29 Sun Jan 22" ] \
  || { echo "FAILED: last row"; echo "$out"; fail=1; }

# A 30-day month with the ARC dates: day 30 ends the last row.
out=$("$cli" calendar --ajd 2456334.0 --arc --text)
tail -1 <<<"$out" | grep -qE '[|] 30 Mon Mar 11 [A-Z][a-z]+ [0-9]+$' || { echo "FAILED: day 30 with ARC"; echo "$out"; fail=1; }

# The image: a PNG file, no BMP left beside it; a missing folder is refused with exit 3 (a file
# that cannot be written).
"$cli" calendar --date "2013-02-10 CE" --png "$tmp/month.png" >/dev/null 2>&1 || { echo "FAILED: png exit"; fail=1; }
[ "$(head -c 8 "$tmp/month.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || { echo "FAILED: not a PNG"; fail=1; }
[ ! -e "$tmp/month.bmp" ] || { echo "FAILED: BMP left behind"; fail=1; }
err=$("$cli" calendar --date "2013-02-10 CE" --png "$tmp/none/month.png" 2>&1 >/dev/null); rc=$?
[ $rc = 3 ] && grep -q "the folder $tmp/none does not exist" <<<"$err" || { echo "FAILED: missing folder ($rc): $err"; fail=1; }

# The image is drawn without the widget toolkit and without a display.
if ldd "$cli" | grep -q libQt6Widgets; then echo "FAILED: orlun-cli links Qt Widgets"; fail=1; fi
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$cli" calendar --date "2013-02-10 CE" --png "$tmp/bare.png" >/dev/null 2>&1 \
  && cmp -s "$tmp/bare.png" "$tmp/month.png" || { echo "FAILED: no image without a display, or not the same"; fail=1; }

# Bad arguments are usage errors; the range ends are refused.
"$cli" calendar --text --ajd 2456334 --date "2013-02-10 CE" >/dev/null 2>&1; [ $? = 2 ] || { echo "FAILED: two moments"; fail=1; }
"$cli" calendar --ajd 2456334 >/dev/null 2>&1; [ $? = 2 ] || { echo "FAILED: no output chosen"; fail=1; }
"$cli" calendar --ajd 100 --text >/dev/null 2>&1; [ $? = 1 ] || { echo "FAILED: out of range"; fail=1; }
exit $fail
