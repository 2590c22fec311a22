#!/bin/bash
# orlun-cli reads an argument whole: days refuses a date followed by another calendar's code or
# any other text instead of dropping it, anniversary names a month or day no lunar month has,
# bytes that are no UTF-8 are refused by the option's name, and selftest --date says why a date
# could not be read.
cli="$1"
fail=0
usage_days='orlun-cli: TO must be a Common Era date such as 2025-01-31, not'

# Exit code | standard error's first line | arguments (printf %b: \xff is a byte that is no UTF-8).
# Nothing may reach standard output.
while IFS='|' read -r want_code want_err args; do
  eval "set -- $(printf '%b' "$args")"
  err=$("$cli" "$@" 2>&1 >/tmp/orlun-whole.$$); code=$?
  out=$(cat /tmp/orlun-whole.$$); rm -f /tmp/orlun-whole.$$
  if [ "$code" != "$want_code" ] || [ "$(head -n 1 <<<"$err")" != "$want_err" ] || [ -n "$out" ]; then
    echo "FAILED: [$args]: exit $code, stderr [$(head -n 1 <<<"$err")], stdout [${out:0:80}]"
    echo "        expected exit $want_code, stderr [$want_err]"; fail=1
  fi
done <<TABLE
2|$usage_days the JC date "2025-01-03 JC"|days 2025-01-01 "2025-01-03 JC"
2|$usage_days the CHL date "2025-01-03CHL"|days 2025-01-01 "2025-01-03CHL"
2|$usage_days "2025-01-03x"|days 2025-01-01 "2025-01-03x"
2|$usage_days "2025-01-03漢"|days 2025-01-01 "2025-01-03漢"
2|$usage_days "2025-01-03 12:00"|days 2025-01-01 "2025-01-03 12:00"
2|$usage_days "2025-01-03 CE CE"|days 2025-01-01 "2025-01-03 CE CE"
2|orlun-cli: TO must be valid UTF-8 text|days 2025-01-01 "2025-01-03\xff"
2|orlun-cli: FROM must be valid UTF-8 text|days "2025-01-01\xc3" 2025-01-03
2|orlun-cli: the lunar month of "13-01" must be from 1 to 12|anniversary 13-01
2|orlun-cli: the lunar month of "0*-05" must be from 1 to 12|anniversary "0*-05"
2|orlun-cli: the lunar day of "12-31" must be from 1 to 30|anniversary 12-31
2|orlun-cli: the lunar day of "4*-0" must be from 1 to 30|anniversary "4*-0"
2|orlun-cli: --date: Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day|lines --date "2025-01-03x CE"
2|orlun-cli: the date: Invalid JC date.  JC dates must be in ISO 8601 format: year-month-day|anniversary "2025-01-03 x jc"
1|error 10: Invalid CJDL, CJDC, or AJD date.  These must be, e.g., 999999.99 CJDL or 2,111,111 AJD.|convert "2455900.5x AJD"
2|orlun-cli: --title must be valid UTF-8 text|anniversary 12-30 --title "Gi\xe1" --format json
2|orlun-cli: --title must be valid UTF-8 text|anniversary 12-30 --title "\xed\xa0\x80" --format csv
2|orlun-cli: --date must be valid UTF-8 text|lines --date "2013-02-10\x80 CE"
2|orlun-cli: argument 1 must be valid UTF-8 text|convert "2013-02-10 CE\xfe"
TABLE

# A date without its code, taken as CE by the answer Yes, is read whole too.
err=$("$cli" convert "2025-01-03漢" --calendar CE --yes 2>&1 >/dev/null); code=$?
[ "$code" = 1 ] && [ "$err" = "Is this a CE Calendar date? Yes
error 6: Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day" ] || { echo "FAILED: convert --yes: $code [$err]"; fail=1; }

# "CE" after the date, in any case, is the date itself.
plain=$("$cli" days 2024-12-31 2025-01-02 --format csv)
for args in "2024-12-31 CE|2025-01-02ce" " 2024-12-31 |2025 - 01 - 02 Ce"; do
  [ "$("$cli" days "${args%|*}" "${args#*|}" --format csv)" = "$plain" ] || { echo "FAILED: days [$args]"; fail=1; }
done

# selftest --date keeps the data window's report line on standard output and says why on standard error.
while IFS='|' read -r want_out want_err date; do
  out=$("$cli" selftest --date "$date" 2>/tmp/orlun-whole.$$); code=$?
  err=$(cat /tmp/orlun-whole.$$); rm -f /tmp/orlun-whole.$$
  [ "$code" = 1 ] && [ "$out" = "$want_out" ] && [ "$(head -n 1 <<<"$err")" = "$want_err" ] \
    || { echo "FAILED: selftest --date $date: exit $code, [$out], [$err]"; fail=1; }
done <<'TABLE'
Error code = 1|Invalid date or time entry: No date specified.|CE
Error code = 2|Invalid date or time entry: Calendar must be specified (one of CHL, CHS, CE, JC, ARC, CJDL, CJDC, AJD).|2013-02-10
Error code = 6|Invalid date or time entry: Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day|2013-02-30 CE
TABLE
# A file name is the system's bytes, not text.
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
"$cli" festivals 2025 --output "$tmp/f"$'\xff'".txt" && [ -s "$tmp/f"$'\xff'".txt" ] || { echo "FAILED: a file name in Latin-1"; fail=1; }
# A well-formed title in any script is kept.
[ "$("$cli" anniversary 12-30 --from 2024 --years 1 --title 'Giỗ 忌日 ☯')" = \
  "2025-01-28 Tuesday Giỗ 忌日 ☯ (lunar date 12-29)" ] || { echo "FAILED: UTF-8 title"; fail=1; }
exit $fail
