#!/bin/bash
# orlun-cli reads the names of units, targets, countries, elements, animals, methods, epochs and
# list kinds in any case and with any spelling of the gaps between words; a name it does not know
# is a usage error (exit 2) whose message lists the valid ones.
cli="$1"
fail=0
tab=$'\t'

# Canonical arguments | the same in another spelling: the same output and exit code.
while IFS='|' read -r canonical variant; do
  want=$(eval "\"$cli\" $canonical" 2>&1); want_rc=$?
  got=$(eval "\"$cli\" $variant" 2>&1); got_rc=$?
  if [ "$want_rc" != 0 ] || [ "$got_rc" != 0 ] || [ "$got" != "$want" ]; then
    echo "FAILED: [$variant] (exit $got_rc) differs from [$canonical] (exit $want_rc)"; echo "$got" | head -n 3; fail=1
  fi
done <<'SAME'
search "Full moon" --date "2013-06-01 CE"|search "full moon" --date "2013-06-01 CE"
search "Full moon" --date "2013-06-01 CE"|search "Full-Moon" --date "2013-06-01 CE"
search "Full moon" --date "2013-06-01 CE"|search "FULL  MOON" --date "2013-06-01 CE"
search "Solstice/equinox + dark moon" --ajd 2456334|search "solstice/equinox + Dark_Moon" --ajd 2456334
search "Element-animal day" --element fire --animal horse --ajd 2456334|search "element animal day" --element FIRE --animal Horse --ajd 2456334
move "CHL month" --date "2013-06-01 CE" --steps 2|move "chl month" --date "2013-06-01 CE" --steps 2
move "60-year cycle (CHL)" --ajd 2456334|move "60 Year Cycle (chl)" --ajd 2456334
move "ARC month (JST)" --ajd 2451545 --country Japan|move "arc-month-(jst)" --ajd 2451545 --country JAPAN
move "one day" --ajd 2451545|move One-Day --ajd 2451545
multiple --day fire-horse --month -tiger --ajd 2456334|multiple --day Fire-HORSE --month -Tiger --ajd 2456334
search "Element-animal day" --animal cat --ajd 2456334 --country Vietnam|search "Element-animal day" --animal CAT --ajd 2456334 --country vietnam
terms 2013 --method mean|terms 2013 --method MEAN
months 2013 2014 --epoch -2636|months 2013 2014 --epoch " -2636 "
list newyears --ajd 2456334 --years 3|list NewYears --ajd 2456334 --years 3
SAME

# The search a script writer tried first.
out=$("$cli" search "full moon" --date "2013-06-01 CE" 2>/dev/null)
grep -qxF "Common Era (Gregorian):${tab}2013-06-23 CE 11:32 GMT Sunday" <<<"$out" \
  || { echo "FAILED: the full moon after 2013-06-01: $out"; fail=1; }

# A name that is none: exit 2, nothing on standard output, the valid names on standard error.
while IFS='|' read -r want_err args; do
  out=$(eval "\"$cli\" $args" 2>/tmp/orlun-names-err.$$); code=$?
  err=$(head -n 1 /tmp/orlun-names-err.$$); rm -f /tmp/orlun-names-err.$$
  if [ "$code" != 2 ] || [ -n "$out" ] || [ "$err" != "$want_err" ]; then
    echo "FAILED: [$args]: exit $code, stderr [$err]"; echo "        expected [$want_err]"; fail=1
  fi
done <<'WRONG'
orlun-cli: unknown target "ful moon"; valid targets: Full moon, Dark moon, Lunar quarter, Lunar new year, Winter solstice, Vernal equinox, Summer solstice, Autumnal equinox, Solstice or equinox, Solar term, Solar term + dark moon, Solar term + full moon, Winter solstice + dark moon, Solstice/equinox + dark moon, Solstice/equinox + full moon, Element-animal day, Element-animal month, Element-animal year, Triple coincidence day, Same element-animal day and month, Multiple element-animal day, Intercalary month|search "ful moon" --date "2013-06-01 CE"
orlun-cli: unknown target "fullmoon"; valid targets: Full moon, Dark moon, Lunar quarter, Lunar new year, Winter solstice, Vernal equinox, Summer solstice, Autumnal equinox, Solstice or equinox, Solar term, Solar term + dark moon, Solar term + full moon, Winter solstice + dark moon, Solstice/equinox + dark moon, Solstice/equinox + full moon, Element-animal day, Element-animal month, Element-animal year, Triple coincidence day, Same element-animal day and month, Multiple element-animal day, Intercalary month|search fullmoon --ajd 2456334
orlun-cli: unknown unit "arc month"; valid units: minute, hour, day, CE month, CE year, CE century, CHL month, CHL year, 60-year cycle (CHL), CHS solar term, CHS year, 60-year cycle (CHS), 60-day cycle, 80-year cycle (JC), ARC month (JST), ARC year (JST), one day|move "arc month" --ajd 2451545 --country Japan
orlun-cli: unknown unit "ARC year (CCT)"; valid units: minute, hour, day, CE month, CE year, CE century, CHL month, CHL year, 60-year cycle (CHL), CHS solar term, CHS year, 60-year cycle (CHS), 60-day cycle, 80-year cycle (JC), ARC month (ICT), ARC year (ICT), one day|move "ARC year (CCT)" --ajd 2451545 --country Vietnam
orlun-cli: unknown animal "boar"; valid animals: rat, ox, tiger, rabbit, dragon, snake, horse, sheep, monkey, rooster, dog, pig|search "Element-animal day" --animal boar --ajd 2456334 --country China
orlun-cli: unknown animal "cow"; valid animals: rat, ox, tiger, rabbit, dragon, snake, horse, sheep, monkey, rooster, dog, boar|multiple --day wood-cow --ajd 2456334 --country Japan
orlun-cli: unknown element "woods"; valid elements: wood, fire, earth, metal, water|search "Element-animal year" --element woods --ajd 2456334
orlun-cli: --country must be Vietnam, China or Japan, not "Chinese"|lines --ajd 2456334 --country Chinese
orlun-cli: --method must be true or mean, not "mean sun"|terms 2013 --method "mean sun"
orlun-cli: --epoch must be -2696 or -2636|months 2013 2013 --epoch 2636
orlun-cli: list needs newyears, months or jcce, not "new years"|list "new years" --ajd 2456334
WRONG
exit $fail
