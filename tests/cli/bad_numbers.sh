#!/bin/bash
# Numbers too large for any type are refused with the usage message, never wrapped.
cli="$1"
fail=0
for args in "terms 9999999999999999999" "terms -99999999999999999999" "phases -99999999999999999999 0" \
            "phases 0 99999999999999999999" "months 2013 18446744073709551617" "terms +-5" \
            "lines --ajd 1e400" "lines --ajd nan" "lines --ajd 0x10"; do
  # shellcheck disable=SC2086
  err=$("$cli" $args 2>&1 >/dev/null); code=$?
  if [ "$code" != 2 ] || ! grep -q '^usage:' <<<"$err"; then echo "FAILED: [$args] exit $code: $err"; fail=1; fi
done
exit $fail
