#!/bin/bash
# orlun-cli convert: well-formed Chinese dates just outside the supported years are refused as too
# early or too late, not as malformed; the displayed minute converted again is unchanged.
cli="$1"
fail=0
expect() { # expected stderr line, exit code, args...
  local want=$1 rc_want=$2; shift 2
  local err; err=$("$cli" convert "$@" 2>&1 >/dev/null); local rc=$?
  [ "$rc" = "$rc_want" ] && grep -qxF "$want" <<<"$err" || { echo "FAILED: [$*] gave rc $rc [$err], expected [$want]"; fail=1; }
}
expect "error 15: Date too early." 1 "-5-55-01-01 CHL"
expect "error 15: Date too early." 1 "-5-55-01-01 CHS"
expect "error 15: Date too early." 1 "-6-60-12-30 CHL"
expect "Date is later than 3000-01-01 CE." 1 "95-58-01-01 CHL"
expect "Date is later than 3000-01-01 CE." 1 "95-58-01-01 CHS"
expect "Date is later than 3000-01-01 CE." 1 "96-1-01-01 CHL"
# The same years are in range under the later epoch: no refusal.
"$cli" convert "-5-55-01-01 CHL" --epoch -2636 >/dev/null 2>&1 || { echo "FAILED: -5-55 under -2636"; fail=1; }
# Malformed dates keep their syntax messages.
expect "error 8: Invalid CHL date.  CHL dates must be in the form 'cycle-position-month[*]-day'" 1 "95-61-01-01 CHL"
# The current calendar's displayed date and minute plus nothing changes nothing.
expect "Calendar dates unchanged." 0 "" --calendar CE --plus 0
expect "Calendar dates unchanged." 0 "" --calendar CHL --plus 0.0001
exit $fail
