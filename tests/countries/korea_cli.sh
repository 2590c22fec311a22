#!/bin/bash
# orlun-cli built with a fourth country (Korea, 127 E): it is one of the --country choices, its
# help and refusals name it, its dates are those of its meridian, and its festivals and animal
# names are those of its row.
cli="$1"
fail=0
tab=$'\t'
expect_line() { # output, exact line
  if ! grep -qxF -- "$2" <<<"$1"; then echo "missing line: [$2]"; echo "in output:"; echo "$1"; fail=1; fi
}

grep -qF "[--country Vietnam|China|Japan|Korea]" <<<"$("$cli" lines --help)" || { echo "lines --help does not name Korea"; fail=1; }
grep -qF "usage: orlun-cli months FIRST LAST [--country Vietnam|China|Japan|Korea] [--epoch -2696|-2636]" <<<"$("$cli" months --help)" || { echo "months --help does not name Korea"; fail=1; }

# The dark moon of 2023-05-19 15:53 UT is after midnight at 127 E: the month starts on the 20th.
out=$("$cli" lines --ajd 2460084.5 --country korea) || { echo "lines --country korea failed"; fail=1; }
expect_line "$out" "Korean Lunar${tab}79-40-04-01 CHL 08:28 KST"
expect_line "$out" "Chronological JD 127º East${tab}2,460,085.3528 CJDC"
out=$("$cli" lines --ajd 2460084.5 --country China)
expect_line "$out" "Chinese Lunar${tab}79-40-04-02 CHL 08:00 CCT"

# Its ARC move units carry its zone code.
out=$("$cli" move "ARC year (KST)" --ajd 2451545 --country Korea 2>&1) || { echo "move ARC year (KST): $out"; fail=1; }
grep -q " ARC 20:28 KST " <<<"$out" || { echo "ARC year (KST) is not at 127 E: $out"; fail=1; }

# Its own festivals, at its meridian.
out=$("$cli" festivals 2025 --country Korea)
expected="2025-01-29 to 2025-01-31 Wednesday Seollal (lunar date 01-01)
2025-02-12 Wednesday Daeboreum (lunar date 01-15)
2025-05-31 Saturday Dano (lunar date 05-05)
2025-10-06 to 2025-10-08 Monday Chuseok (lunar date 08-15)"
[ "$out" = "$expected" ] || { echo "Korea's festivals:"; echo "$out"; fail=1; }

# Its own word for the eighth animal, "ram", names the element-animal it searches for.
out=$("$cli" search "Element-animal year" --element fire --animal ram --country Korea --ajd 2460084.5) ||
  { echo "search fire-ram: $out"; fail=1; }
expect_line "$out" "Korean Lunar${tab}79-44-01-01 CHL 12:00 KST"
expect_line "$out" "${tab}fire-ram year"
"$cli" search "Element-animal year" --element fire --animal sheep --country Korea >/dev/null 2>&1 &&
  { echo "Korea took China's sheep"; fail=1; }

err=$("$cli" lines --country Korea2 2>&1 >/dev/null)
expect_line "$err" "orlun-cli: --country must be Vietnam, China, Japan or Korea, not \"Korea2\""

exit $fail
