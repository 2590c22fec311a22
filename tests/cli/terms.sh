#!/bin/bash
# orlun-cli terms: the solar-term table of a solar year, and the Moon lines of orlun-cli lines.
cli="$1"
fail=0
tab=$'\t'
check() { # description, condition result
  if [ "$2" != 0 ]; then echo "FAILED: $1"; fail=1; fi
}

out=$("$cli" terms 2013 --country China) || { echo "terms failed"; exit 1; }
check "79 entries" "$([ "$(wc -l <<<"$out")" = 79 ]; echo $?)"
# Entry 24 is the winter solstice of 2012 and entry 48 that of 2013, on their days at 120 E.
row24=$(sed -n 25p <<<"$out"); row48=$(sed -n 49p <<<"$out")
check "entry 24: [$row24]" "$([[ "$row24" == "24${tab}Z11${tab}"*"${tab}2012-12-21 "* ]]; echo $?)"
check "entry 48: [$row48]" "$([[ "$row48" == "48${tab}Z11${tab}"*"${tab}2013-12-22 "* ]]; echo $?)"
# The codes run Z11, J12, Z12, J1 ... and entry 78 is the March equinox of b + 2.
check "codes" "$([ "$(cut -f2 <<<"$out" | sed -n '1,4p' | tr '\n' ' ')" = "Z11 J12 Z12 J1 " ]; echo $?)"
row78=$(sed -n 79p <<<"$out")
check "entry 78: [$row78]" "$([[ "$row78" == "78${tab}Z2${tab}"*"${tab}2015-03-2"* ]]; echo $?)"
# The instants increase.
check "increasing" "$(cut -f3 <<<"$out" | sort -n -c; echo $?)"

# The mean-sun table keeps the solstices and cuts the year evenly.
mean=$("$cli" terms 2013 --country China --method mean)
check "mean solstice = true solstice" "$([ "$(sed -n 25p <<<"$mean")" = "$row24" ]; echo $?)"
check "mean differs" "$([ "$(sed -n 26p <<<"$mean")" != "$(sed -n 25p <<<"$out" | head -1)" ]; echo $?)"

# The winter solstice of 2012 was 11:12 UT on 21 December: 18:12 in Vietnam.
vn=$("$cli" terms 2013 --country Vietnam)
check "Vietnam entry 24: $(sed -n 25p <<<"$vn")" "$([[ "$(sed -n 25p <<<"$vn")" == *"2012-12-21 18:1"* ]]; echo $?)"

# Both ends of the range end without error.
"$cli" terms -3000 >/dev/null || { echo "FAILED: terms -3000"; fail=1; }
"$cli" terms 3000 >/dev/null || { echo "FAILED: terms 3000"; fail=1; }

for bad in "" "2013x" "3001" "-3001" "2013 --method median" "2013 --country Korea" "2013 2014"; do
  # shellcheck disable=SC2086
  "$cli" terms $bad >/dev/null 2>&1; code=$?
  check "terms [$bad] exits 2 (got $code)" "$([ "$code" = 2 ]; echo $?)"
done

# The Moon lines at the dark moon of lunation 0.
lines=$("$cli" lines --ajd 2451550.26 --country China)
check "dark moon line" "$(grep -qxF "Phase of Moon, illumination:${tab}Dark moon, 0.0%" <<<"$lines"; echo $?)"
check "age line" "$(grep -q "^\[Lunation\] Age of Moon:${tab}\[0\] 0 days, " <<<"$lines"; echo $?)"
check "day line" "$(grep -qxF "jia-zi${tab}wood-rat day" <<<"$lines"; echo $?)"
exit $fail
