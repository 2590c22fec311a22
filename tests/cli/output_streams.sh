#!/bin/bash
# orlun-cli: results on standard output; refusals, warnings and errors on standard error,
# --ajd and --date read alike by every command, and exit code 3 with the reason when standard
# output cannot be written (a full disk: /dev/full).
cli="$1"
fail=0
full_reason="orlun-cli: cannot write to standard output (No space left on device)"

# Every command whose output cannot be written exits with 3, whatever its own code would be.
while IFS= read -r args; do
  err=$(eval "\"$cli\" $args" 2>&1 >/dev/full); code=$?
  if [ "$code" != 3 ] || [ "$(tail -n 1 <<<"$err")" != "$full_reason" ]; then
    echo "FAILED: [$args] > /dev/full: exit $code, stderr [$err]"; fail=1
  fi
done <<'LIST'
months 1900 2100
lines --ajd 2451545
phases 0 3
terms 2013
convert "2013-02-10 CE"
move day --ajd 2451545 --steps 3
yeardata --ajd 2451545
list newyears --ajd 2816000 --years 10
selftest --seed 1
calendar --ajd 2451545 --text
search "Winter solstice" --ajd 2451545
multiple --year water-pig --ajd 2451545
festivals 2025
festivals 2025 --format csv
anniversary "12-30" --from 2020 --years 3 --format json
--version
--help
LIST

# Nothing written on standard output: a full disk changes nothing.
for args in "terms 3001" "lines --ajd abc" "convert 2013-02-30" "move day --date 3001-01-01" \
            "search Full-moon --ajd 2816780" "multiple --ajd 2451545"; do
  # shellcheck disable=SC2086
  "$cli" $args >/dev/full 2>/dev/null; full=$?
  # shellcheck disable=SC2086
  "$cli" $args >/dev/null 2>&1; null=$?
  [ "$full" = "$null" ] || { echo "FAILED: [$args] exits $full on a full disk, $null otherwise"; fail=1; }
done

# Exit code | standard output's first line | standard error's first line | arguments.
# One reader of --ajd and --date, in the words of each command.
while IFS='|' read -r want_code want_out want_err args; do
  out=$(eval "\"$cli\" $args" 2>/tmp/orlun-cli-err.$$); code=$?
  err=$(head -n 1 /tmp/orlun-cli-err.$$); rm -f /tmp/orlun-cli-err.$$
  # Nothing at all on standard output where no first line is expected (a refusal, a usage error).
  if [ "$code" != "$want_code" ] || [ "$(head -n 1 <<<"$out")" != "$want_out" ] || [ "$err" != "$want_err" ] \
     || { [ -z "$want_out" ] && [ -n "$out" ]; }; then
    echo "FAILED: [$args]: exit $code, stdout [$(head -n 1 <<<"$out")], stderr [$err]"
    echo "        expected exit $want_code, stdout [$want_out], stderr [$want_err]"; fail=1
  fi
done <<'TABLE'
2||orlun-cli: --ajd must be a number, not "abc"|lines --ajd abc
2||orlun-cli: --ajd must lie between 625333 (-3000-01-01) and 2816788 (3000-01-01)|lines --ajd 625332.9
2||orlun-cli: --ajd must lie between 625333 (-3000-01-01) and 2816788 (3000-01-01)|move day --ajd 2816788.01
2||orlun-cli: give --ajd or --date, not both|yeardata --ajd 2451545 --date "2000-01-01 CE"
1||Date out of range: Date is later than 3000-01-01 CE.|selftest --date "3001-01-01 CE"
1|Error code = 6|Invalid date or time entry: Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day|selftest --date "2013-02-30 CE"
0|11||selftest --date "2013-02-10 CE"
2||orlun-cli: the date: Date is later than 3000-01-01 CE.|anniversary "3001-01-01 CE"
2||orlun-cli: give --ajd or --date, not both|search "Winter solstice" --ajd 2451545 --date "2000-01-01 CE"
2||orlun-cli: give --ajd or --date, not both|multiple --year water-pig --ajd 2451545 --date "2000-01-01 CE"
2||orlun-cli: give --ajd or --date, not both|move day --ajd 2451545 --date "2000-01-01 CE"
2||orlun-cli: give --ajd or --date, not both|calendar --text --ajd 2451545 --date "2000-01-01 CE"
2||orlun-cli: --ajd must be a number|calendar --text --ajd abc
1||orlun-cli: the lunar month of this moment lies outside the years -3000 to 3000|calendar --text --ajd 100
2||orlun-cli: cannot read the date: Date is later than 3000-01-01 CE.|calendar --text --date "3001-01-01 CE"
1||Date out of range: Date is later than 3000-01-01 CE.|move day --date "3001-01-01 CE"
1||Invalid date or time entry: Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day|move day --date "2013-02-30 CE"
1|Common Era (Gregorian):	3000-10-06 CE 00:00 GMT Monday|Out of range: Latest date exceeded.|move "CE year" --ajd 2816700.5 --steps 3
1||Date out of range: Date is later than 3000-01-01 CE.|search "Winter solstice" --ajd 2816780
1||Invalid input: You must specify an element or an animal or both|multiple --ajd 2451545
1||Invalid input: You must specify an element or an animal or both|multiple
1||error 6: Invalid CE date.  CE dates must be in ISO 8601 format: year-month-day|convert "2013-02-30 CE"
1|Chinese Lunar Calendar anniversaries|Date is later than 3000-01-01 CE.|list newyears --ajd 2816000 --years 10
0|2013	1	0	2013-02-10	30||months 2013 2013
TABLE
exit $fail
