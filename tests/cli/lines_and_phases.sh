#!/bin/bash
# orlun-cli: the display lines of a known moment, the phases of lunation 0, and bad arguments.
cli="$1"
fail=0
expect_line() { # output, exact line
  if ! grep -qxF -- "$2" <<<"$1"; then echo "missing line: [$2]"; echo "in output:"; echo "$1"; fail=1; fi
}
expect_usage() { # args...: exit code 2 and a usage text on stderr, nothing on stdout
  local out err code
  out=$("$cli" "$@" 2>/tmp/orlun-cli-err.$$); code=$?
  err=$(cat /tmp/orlun-cli-err.$$); rm -f /tmp/orlun-cli-err.$$
  if [ "$code" != 2 ] || [ -n "$out" ] || ! grep -q '^usage:' <<<"$err"; then
    echo "args [$*]: exit $code, stdout [$out], stderr [$err]; expected exit 2 with usage"; fail=1
  fi
}

tab=$'\t'
out=$("$cli" lines --ajd 2455900.92 --country China) || { echo "lines failed"; exit 1; }
expect_line "$out" "Astronomical Julian date:${tab}2,455,900.9200 AJD"
expect_line "$out" "Chronological JD London:${tab}2,455,901.4200 CJDL"
expect_line "$out" "Common Era (Gregorian):${tab}2011-12-05 CE 10:04 GMT Monday"
expect_line "$out" "Julian Calendar:${tab}2011-11-22 JC 10:04 GMT Monday"
expect_line "$out" "Chronological JD 120º East${tab}2,455,901.7533 CJDC"
expect_line "$out" "Delta T:${tab}1 minute"

# The same moment for Vietnam and Japan: only the reference meridian changes.
out=$("$cli" lines --ajd 2455900.92 --country Vietnam)
expect_line "$out" "Chronological JD 105º East${tab}2,455,901.7117 CJDC"
out=$("$cli" lines --ajd 2455900.92 --country japan)
expect_line "$out" "Chronological JD 135º East${tab}2,455,901.7950 CJDC"

# An AJD of x.9 is 09:36 at Greenwich on the civil day x + 1.
out=$("$cli" lines --ajd 2451544.9)
expect_line "$out" "Common Era (Gregorian):${tab}2000-01-01 CE 09:36 GMT Saturday"

# Both ends of the range, with negative years and Julian dates.
out=$("$cli" lines --ajd 625333)
expect_line "$out" "Common Era (Gregorian):${tab}-3000-01-01 CE 12:00 GMT Wednesday"
out=$("$cli" lines --ajd 2816788)
expect_line "$out" "Common Era (Gregorian):${tab}3000-01-01 CE 12:00 GMT Wednesday"

# The present moment when no --ajd is given: six lines.
n=$("$cli" lines | wc -l)
[ "$n" -ge 6 ] || { echo "lines without --ajd printed $n lines"; fail=1; }

# Lunation 0 begins with the dark moon of 2000-01-06 at 18:13 UT.
out=$("$cli" phases 0 0)
first=$(head -n 1 <<<"$out")
IFS=$'\t' read -r lun phase td ut when <<<"$first"
[ "$lun" = 0 ] && [ "$phase" = 0 ] || { echo "first phase line: [$first]"; fail=1; }
case "$when" in "2000-01-06 18:13:"*) ;; *) echo "dark moon of lunation 0 at [$when]"; fail=1;; esac
[ "$(wc -l <<<"$out")" = 4 ] || { echo "phases 0 0 gave $(wc -l <<<"$out") lines"; fail=1; }
# Lunations far in the past and the future end and stay in order.
out=$("$cli" phases -61800 -61799) || { echo "phases at -3000 failed"; fail=1; }
[ "$(wc -l <<<"$out")" = 8 ] || { echo "phases -61800 -61799: $(wc -l <<<"$out") lines"; fail=1; }

expect_usage
expect_usage frobnicate
expect_usage lines --ajd
expect_usage lines --ajd abc
expect_usage lines --ajd 2455900.92x
expect_usage lines --ajd nan
expect_usage lines --ajd inf
expect_usage lines --ajd 1e308
expect_usage lines --ajd 625332.9
expect_usage lines --ajd 2816788.1
expect_usage lines --country Mars
expect_usage lines --colour red
expect_usage lines extra
expect_usage lines --ajd 2455900 --ajd 2455901
expect_usage phases
expect_usage phases 1
expect_usage phases 1 x
expect_usage phases 2 1
expect_usage phases 0 99999999999999999999
expect_usage phases -2147483648 0
expect_usage phases 1.5 2

exit $fail
