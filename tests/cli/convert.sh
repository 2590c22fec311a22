#!/bin/bash
# orlun-cli convert: typed dates as the Convert panel reads them.
cli="$1"
fail=0
tab=$'\t'
ok() { # args...: exit 0; prints stdout
  local out; out=$("$cli" convert "$@" 2>/dev/null) || { echo "FAILED: convert [$*] exited $?" >&2; fail=1; }
  printf '%s' "$out"
}
has() { grep -qxF "$2" <<<"$1" || { echo "FAILED: missing [$2] in:"; echo "$1"; fail=1; }; }
error_code() { # expected code, args...
  local code=$1; shift
  local err; err=$("$cli" convert "$@" 2>&1 >/dev/null); local rc=$?
  [ $rc = 1 ] && [[ "$err" == *"error $code: "* ]] || { echo "FAILED: [$*] gave rc $rc [$err], expected error $code"; fail=1; }
  printf '%s' "$err"
}

out=$(ok "2013-02-10 CE" --country China)
has "$out" "Common Era (Gregorian):${tab}2013-02-10 CE 12:00 GMT Sunday"
has "$out" "Chinese Lunar${tab}79-30-01-01 CHL 20:00 CCT"
# Lower case designations are read; a time at the reference meridian.
out=$(ok "2013-02-10 ce" --time 20:00 --zone LOCAL)
has "$out" "Common Era (Gregorian):${tab}2013-02-10 CE 12:00 GMT Sunday"
# The overseas Chinese year is read in China only.
out=$(ok "4709-1-1 CHL" --country China)
has "$out" "Chinese Lunar${tab}79-28-01-01 CHL 12:00 CCT"
err=$(error_code 8 "4709-1-1 CHL" --country Vietnam)
[[ "$err" == *"'cycle-position-month[*]-day'."* && "$err" != *"Overseas"* ]] || { echo "FAILED: the shorter code 8 message: $err"; fail=1; }
error_code 5 "2011/10/15 CE" >/dev/null
error_code 5 "2011.10.15 CE" >/dev/null
error_code 15 "625332.9 AJD" >/dev/null
error_code 15 "625333.2 CJDL" >/dev/null
error_code 10 "2455-000-1 AJD" >/dev/null
error_code 4 "2013-02-10 CE" --time 24:00 >/dev/null
error_code 4 "2013-02-10 CE" --time 7:60 >/dev/null
error_code 3 "2011-10-15 12:00 CE" >/dev/null
error_code 2 "2011-10-15 CE 12:00" >/dev/null
error_code 1 "CE 2011-10-15" >/dev/null
error_code 2 "2011-10-15" >/dev/null            # the question answered No
error_code 13 "79-30-02-30 CHL" >/dev/null       # the second month of 2013 has 29 days
error_code 14 "2013-02-10 CE" --plus "2 days" >/dev/null
out=$(ok "2,455,000.5 AJD")
has "$out" "Astronomical Julian date:${tab}2,455,000.5000 AJD"
out=$(ok "625333 AJD")
has "$out" "Common Era (Gregorian):${tab}-3000-01-01 CE 12:00 GMT Wednesday"
# Without a designation the current calendar is asked about: Yes reads it as CHL.
out=$(ok "2011-10-15" --yes)
has "$out" "Chinese Lunar${tab}34-30-10-15 CHL 12:00 CCT"
out=$(ok "2013-02-10" --yes --calendar CE)
has "$out" "Common Era (Gregorian):${tab}2013-02-10 CE 12:00 GMT Sunday"
# Plus and minus days; a negative amount turns the direction round.
has "$(ok "2013-02-10 CE" --plus 1,000)" "Common Era (Gregorian):${tab}2015-11-07 CE 12:00 GMT Saturday"
has "$(ok "2013-02-10 CE" --minus -1.5)" "Common Era (Gregorian):${tab}2013-02-12 CE 00:00 GMT Tuesday"
has "$(ok "2013-02-10 CE" --minus +2)" "Common Era (Gregorian):${tab}2013-02-08 CE 12:00 GMT Friday"
err=$("$cli" convert "2999-12-31 CE" --plus 10 2>&1 >/dev/null); rc=$?
[ $rc = 1 ] && [ "$err" = "Date is later than 3000-01-01 CE." ] || { echo "FAILED: out of range [$err] rc $rc"; fail=1; }
# ARC and the day counts.
has "$(ok "4697-11-25 ARC")" "Common Era (Gregorian):${tab}2000-01-01 CE 12:00 GMT Saturday"
has "$(ok "2451545.83334 CJDC" --country China)" "Common Era (Gregorian):${tab}2000-01-01 CE 12:00 GMT Saturday"

for bad in "" "--time" "x --zone EST" "x --plus 1 --minus 1" "x --calendar XYZ" "x y"; do
  # shellcheck disable=SC2086
  "$cli" convert $bad >/dev/null 2>&1; code=$?
  [ "$code" = 2 ] || { echo "FAILED: convert [$bad] exits $code, not 2"; fail=1; }
done
exit $fail
