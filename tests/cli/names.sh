#!/bin/bash
# orlun-cli reads names in any case and any spelling of the gaps between words; a name that is
# none is a usage error (exit 2, nothing on standard output) that lists the valid ones.
cli="$1"
fail=0
# Canonical arguments | the same in another spelling: the same output.
while IFS='|' read -r canonical variant; do
  want=$(eval "\"$cli\" $canonical" 2>&1) && got=$(eval "\"$cli\" $variant" 2>&1) && [ "$got" = "$want" ] \
    || { echo "FAILED: [$variant] differs from [$canonical]: $got"; fail=1; }
done <<'SAME'
search "Full moon" --date "2013-06-01 CE"|search "FULL  MOON" --date "2013-06-01 CE"
search "Element-animal day" --element fire --animal cat --ajd 2456334 --country Vietnam|search "element animal day" --element FIRE --animal Cat --ajd 2456334 --country vietnam
move "CHL month" --date "2013-06-01 CE" --steps 2|move "chl month" --date "2013-06-01 CE" --steps 2
move "ARC month (JST)" --ajd 2451545 --country Japan|move "arc-month-(jst)" --ajd 2451545 --country JAPAN
multiple --day fire-horse --ajd 2456334|multiple --day Fire-HORSE --ajd 2456334
months 2013 2014 --epoch -2636|months 2013 2014 --epoch " -2636 "
list newyears --ajd 2456334 --method mean|list NewYears --ajd 2456334 --method MEAN
SAME
grep -qxF $'Common Era (Gregorian):\t2013-06-23 CE 11:32 GMT Sunday' <<<"$("$cli" search "Full-Moon" --date "2013-06-01 CE")" \
  || { echo "FAILED: the full moon after 2013-06-01"; fail=1; }
while IFS='|' read -r want_err args; do
  out=$(eval "\"$cli\" $args" 2>/tmp/orlun-names.$$); code=$?; err=$(head -n 1 /tmp/orlun-names.$$)
  [ "$code" = 2 ] && [ -z "$out" ] && [ "$err" = "$want_err" ] || { echo "FAILED: [$args] exit $code: $err"; fail=1; }
done <<'WRONG'
orlun-cli: unknown target "ful moon"; valid targets: Full moon, Dark moon, Lunar quarter, Lunar new year, Winter solstice, Vernal equinox, Summer solstice, Autumnal equinox, Solstice or equinox, Solar term, Solar term + dark moon, Solar term + full moon, Winter solstice + dark moon, Solstice/equinox + dark moon, Solstice/equinox + full moon, Element-animal day, Element-animal month, Element-animal year, Triple coincidence day, Same element-animal day and month, Multiple element-animal day, Intercalary month|search "ful moon" --date "2013-06-01 CE"
orlun-cli: unknown unit "ARC year (CCT)"; valid units: minute, hour, day, CE month, CE year, CE century, CHL month, CHL year, 60-year cycle (CHL), CHS solar term, CHS year, 60-year cycle (CHS), 60-day cycle, 80-year cycle (JC), ARC month (ICT), ARC year (ICT), one day|move "ARC year (CCT)" --ajd 2451545 --country Vietnam
orlun-cli: unknown animal "boar"; valid animals: rat, ox, tiger, rabbit, dragon, snake, horse, sheep, monkey, rooster, dog, pig|multiple --day wood-boar --ajd 2456334 --country China
orlun-cli: unknown element "woods"; valid elements: wood, fire, earth, metal, water|search "Element-animal year" --element woods --ajd 2456334
orlun-cli: --epoch must be -2696 or -2636|months 2013 2013 --epoch 2636
WRONG
rm -f /tmp/orlun-names.$$
exit $fail
