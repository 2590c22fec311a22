#!/bin/bash
# orlun-cli list, every kind alike: a list that reaches the last year before the years asked for
# prints the years it reached on standard output, the reason on standard error, and exits 1.
cli="$1"
fail=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
reason="Date is later than 3000-01-01 CE."

# kind, date, years, the last line reached
while IFS='|' read -r kind date years last; do
  "$cli" list "$kind" --date "$date" --years "$years" --country China >"$tmp/out" 2>"$tmp/err"; rc=$?
  [ $rc = 1 ] || { echo "FAILED: list $kind exits $rc"; fail=1; }
  [ "$(tail -1 "$tmp/out" | tr -d '\r')" = "$last" ] || { echo "FAILED: list $kind ends with [$(tail -1 "$tmp/out")]"; fail=1; }
  grep -qx "$reason" "$tmp/err" || { echo "FAILED: list $kind reason [$(cat "$tmp/err")]"; fail=1; }
  grep -q "$reason" "$tmp/out" && { echo "FAILED: list $kind reason on standard output"; fail=1; }
done <<'CASES'
newyears|2995-06-01 CE|10|95-56-04-13 CHL = 2999-05-19 CE =  2816561 JDN  4
months|2995-06-01 CE|20|95-56-12-01  CHL =  2999-12-29 CE =  2816785 JDN  30 days
jcce|2995-06-01 CE|10|(xin-si) day 4, (ding-chou) month 12, (ji-wei) year 56 of cycle 95
CASES

# A list that ends where it was asked to exits 0 with nothing on standard error.
"$cli" list months --date "2013-06-01 CE" --years 2 >/dev/null 2>"$tmp/err" || { echo "FAILED: a whole list exits 1"; fail=1; }
if grep -v XDG_RUNTIME "$tmp/err" | grep -q .; then echo "FAILED: stderr of a whole list: $(cat "$tmp/err")"; fail=1; fi
exit $fail
