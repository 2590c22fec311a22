#!/bin/bash
# orlun-cli search and multiple: the moments they find, their refusals and their exit codes.
cli="$1"
fail=0
tab=$'\t'

# expect "what" EXIT-CODE "LINE THE OUTPUT MUST HOLD" COMMAND ARGS...; a refusal is on standard error.
expect() {
  local what="$1" code="$2" line="$3"; shift 3
  local out rc
  out=$("$cli" "$@" 2>&1); rc=$?
  if [ "$rc" != "$code" ] || ! grep -qxF -- "$line" <<<"$out"; then
    echo "FAILED: $what (exit $rc)"; echo "$out"; fail=1
  fi
}

ce="Common Era (Gregorian):${tab}"
expect "dark moon" 0 "${ce}2000-01-06 CE 18:13 GMT Thursday" search "Dark moon" --date "2000-01-01 CE"
expect "previous dark moon from that dark moon" 0 "${ce}1999-12-07 CE 22:31 GMT Tuesday" \
  search "Dark moon" --previous --ajd 2451550.2595
expect "winter solstice" 0 "${ce}2013-12-21 CE 17:11 GMT Saturday" search "Winter solstice" --date "2013-06-01 CE"
expect "lunar new year" 0 "Chinese Lunar${tab}79-30-01-01 CHL 12:00 CCT" \
  search "Lunar new year" --date "2013-01-01 CE" --country China
expect "previous lunar new year from new year's day" 0 "${ce}2012-01-23 CE 04:00 GMT Monday" \
  search "Lunar new year" --previous --date "2013-02-10 CE" --country China
expect "intercalary month" 0 "Chinese Lunar${tab}79-40-2*-01 CHL 12:00 CCT" \
  search "Intercalary month" --date "2023-01-01 CE" --country China
expect "rat day" 0 "geng-zi${tab}metal-rat day" search "Element-animal day" --animal rat --date "2013-06-01 CE"
expect "nothing chosen" 1 "Error: You must specify an element, an animal or both." \
  search "Element-animal year" --date "2013-06-01 CE"
expect "past the last day" 1 "Date out of range: Date is later than 3000-01-01 CE." \
  search "Full moon" --date "2999-12-31 CE"
expect "never within 1000 years" 1 "Not found: There is no such day within 1000 years." \
  multiple --month wood-rat --year wood- --within "1000 years" --date "2013-06-01 CE"
expect "an ox month in a water-pig year" 0 "Chinese Lunar${tab}79-60-12-01 CHL 12:00 CCT" \
  multiple --month -ox --year water-pig --date "2013-06-01 CE"
for args in 'search|Moonrise|--date|2013-06-01 CE' 'search|Dark moon|--ajd|2451545|--date|2000-01-01 CE' \
            'multiple|--day|wood-cow|--date|2013-06-01 CE' 'multiple|--day|-rat|--within|5 years|--date|2013-06-01 CE'; do
  IFS='|' read -r -a argv <<<"$args"
  "$cli" "${argv[@]}" >/dev/null 2>&1; rc=$?
  [ "$rc" = 2 ] || { echo "FAILED: bad arguments $args gave exit $rc"; fail=1; }
done
exit $fail
