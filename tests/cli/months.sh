#!/bin/bash
# orlun-cli months: the lunar months in the reference tables' form, and the Chinese lines.
cli="$1"
refdata="$(dirname "$0")/../../../shared/refdata/calendar"
fail=0
tab=$'\t'

# The whole reference tables, 1950-2050, at 120 E and 105 E, row for row.
for pair in "China utc8" "Vietnam utc7"; do
  set -- $pair
  if [ -f "$refdata/months_$2_1950_2050.tsv" ]; then
    if ! diff <("$cli" months 1950 2050 --country "$1") \
              <(tail -n +2 "$refdata/months_$2_1950_2050.tsv" | cut -f1-5) >/tmp/orlun-months-diff.$$; then
      echo "FAILED: months of $1 differ from months_$2_1950_2050.tsv:"; head -20 /tmp/orlun-months-diff.$$; fail=1
    fi
    rm -f /tmp/orlun-months-diff.$$
  fi
done

# 2033 has a leap eleventh month, not a leap seventh.
out=$("$cli" months 2033 2033 --country China)
grep -qxF "2033${tab}11${tab}1${tab}2033-12-22${tab}29" <<<"$out" || { echo "FAILED: no leap 11th in 2033"; echo "$out"; fail=1; }
[ "$(awk -F'\t' '$3==1' <<<"$out" | wc -l)" = 1 ] || { echo "FAILED: 2033 leap months"; fail=1; }

# The lunar year of 1985 begins a month apart in Vietnam and China.
[ "$("$cli" months 1985 1985 --country Vietnam | head -1 | cut -f4)" = 1985-01-21 ] || { echo "FAILED: Vietnam 1985"; fail=1; }
[ "$("$cli" months 1985 1985 --country China | head -1 | cut -f4)" = 1985-02-20 ] || { echo "FAILED: China 1985"; fail=1; }

# The Chinese new year of the water-snake year: 2013-02-10 12:00 GMT.
out=$("$cli" lines --ajd 2456334.0 --country China)
for line in "Chinese Lunar${tab}79-30-01-01 CHL 20:00 CCT" \
            "Chinese Solar${tab}79-30-04-07 CHS 20:00 CCT" \
            "${tab}gui-si water-snake year" "${tab}jia-yin wood-tiger month" "${tab}Year 4710" \
            "Zodozizidu Zidevuze:${tab}4710-13-30 ARC 12:00 GMT Pluto Day"; do
  grep -qxF "$line" <<<"$out" || { echo "FAILED: missing [$line]"; echo "$out"; fail=1; }
done
# On the first day of a solar term the CHS line ends with the code and the time.
out=$("$cli" lines --ajd 2456328.0 --country China)
grep -qxF "Chinese Solar${tab}79-30-04-01 CHS (J1) 20:00" <<<"$out" || { echo "FAILED: CHS on the first day of J1"; echo "$out"; fail=1; }

for bad in "" "1985" "1985 x" "2000 1999" "1985 1985 --epoch 0" "1985 1985 --country Korea" "3000 3000"; do
  # shellcheck disable=SC2086
  "$cli" months $bad >/dev/null 2>&1; code=$?
  [ "$code" = 2 ] || { echo "FAILED: months [$bad] exits $code, not 2"; fail=1; }
done
exit $fail
