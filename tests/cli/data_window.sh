#!/bin/bash
# orlun-cli yeardata, list and selftest: the texts of the data window, and bad arguments.
cli="$1"
fail() { echo "FAIL: $*"; exit 1; }
has() { grep -qF -- "$2" <<<"$1" || fail "missing \"$2\""; }

out=$("$cli" yeardata --date "2014-06-01 CE" --country China) || fail "yeardata"
has "$out" " LN 183 M9* (0 zq)"
has "$out" "Sui 79-31 was a long sui, with 13 months."
[[ "$out" != *$'\r'* ]] || fail "CR on the console"
has "$("$cli" yeardata --date "2014-06-01 CE" --names)" "ST 1 Z11 Dong zhi (Winter solstice)"

out=$("$cli" list months --years 4 --date "2013-06-01 CE" --country China) || fail "list months"
has "$out" "and Julian day number for 4 years from 2012 CE"
has "$out" "79-29-4*-01  CHL =  2012-05-21 CE =  2456069 JDN  29 days"
[ "$(grep -c ' JDN  [23][09] days$' <<<"$out")" = 50 ] || fail "4 years of months"

out=$("$cli" list newyears --years 20 --date "2013-02-10 CE" --country China) || fail "list newyears"
[ "$(head -1 <<<"$out")" = "Lunar New Year's Day with corresponding European date and JDN" ] || fail "heading"
[ "$(grep -c '^79-[0-9][0-9]-01-01 CHL = ' <<<"$out")" = 20 ] || fail "20 new years"
has "$out" "79-31-01-01 CHL = 2014-01-31 CE =  2456689 JDN 13m J1:2 Z1:1"

out=$("$cli" list jcce --years 2 --ajd 2456445 --jc) || fail "list jcce"
has "$out" "2013-01-01 JC = 79-29-12-03 CHL"
has "$out" "(geng-chen) day 3, (gui-chou) month 12, (ren-chen) year 29 of cycle 79"

out=$("$cli" selftest --seed 1) || fail "selftest exit"
[ "$(tail -1 <<<"$out" | tr -d 01 | wc -c)" = 1 ] || fail "selftest report"
[ "$("$cli" selftest --date "2013-02-10 CE")" = "11" ] || fail "selftest of one date"

for bad in "list" "list weeks --ajd 2456445" "list months --years 0" "list months --years x" \
           "yeardata --ajd abc" "yeardata 2013" "yeardata --date 2013-02-10" "selftest --seed -1"; do
  # shellcheck disable=SC2086
  "$cli" $bad >/dev/null 2>&1; [ $? = 2 ] || fail "exit 2 for: $bad"
done
echo ok
