#!/bin/bash
# orlun-cli move: the steps it prints, its refusals and its exit codes.
cli="$1"
fail=0
tab=$'\t'

# expect "what" EXIT-CODE "EXPECTED OUTPUT" ARGS...: the lines, then a refusal from standard error.
expect() {
  local what="$1" code="$2" expected="$3"; shift 3
  local out rc
  out=$("$cli" move "$@" 2>&1); rc=$?
  if [ "$rc" != "$code" ] || [ "$out" != "$expected" ]; then
    echo "FAILED: $what (exit $rc)"; echo "$out"; fail=1
  fi
}

expect "CE month from 31 January" 0 \
"Common Era (Gregorian):${tab}2011-02-28 CE 12:00 GMT Monday
Common Era (Gregorian):${tab}2011-03-28 CE 12:00 GMT Monday" "CE month" --date "2011-01-31 CE" --steps 2
expect "CE year from 29 February" 0 "Common Era (Gregorian):${tab}2013-02-28 CE 12:00 GMT Thursday" \
  "CE year" --date "2012-02-29 CE"
expect "CHL month through the leap fourth month of 2020" 0 \
"Chinese Lunar${tab}79-37-4*-15 CHL 20:00 CCT
Chinese Lunar${tab}79-37-05-15 CHL 20:00 CCT" "CHL month" --date "2020-05-07 CE" --steps 2 --country China
expect "CHL month back from cycle 0" 1 "Out of range: Earliest admissible date reached." \
  "CHL month" --back --date "-2750-06-01 CE"
expect "one day back from the first day" 1 "Out of range: Earliest date reached." \
  "one day" --back --date "-3000-01-01 CE"
expect "repeated days across the first day" 1 \
"Astronomical Julian date:${tab}625,333.0000 AJD
Astronomical Julian date:${tab}625,332.0000 AJD
Out of range: Earliest date exceeded." day --back --ajd 625334 --steps 3
expect "keep 30th over a 29-day leap month" 0 \
"Chinese Lunar${tab}79-37-4*-29 CHL 12:00 CCT
Chinese Lunar${tab}79-37-05-30 CHL 12:00 CCT" "CHL month" --date "79-37-04-30 CHL" --steps 2 --keep-30th
expect "ARC year in the zone of Japan" 0 "ARC month & day same as CHL${tab}4698-11-25 ARC 21:00 JST Mars Day" \
  "ARC year (JST)" --ajd 2451545 --country Japan

for bad in "bogus --ajd 2451545" "day --ajd 1 --date 2000-01-01" "day --ajd 2451545 --steps 0" \
           "day --ajd 2451545 --steps x" "CE year --ajd 2451545"; do
  # shellcheck disable=SC2086
  "$cli" move $bad >/dev/null 2>&1; rc=$?
  [ "$rc" = 2 ] || { echo "FAILED: move $bad exits $rc, not 2"; fail=1; }
done
exit $fail
