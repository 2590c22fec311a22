#!/bin/bash
# The calculators' headers hold no raw time values: no moment as a double, no meridian as an int,
# no day number as an int32_t, outside calendar/core (which defines the types) and the engine's
# adapter. The check also catches violations planted in a copy of the tree.
root="$(cd "$(dirname "$0")/.." && pwd)"

# Prints the raw time values found in the headers of calendar/ under the given root. The sky
# table's byte layout (SkyTableFormat.h) holds its instants raw, as the engine's records do, and
# is read into typed values by its one reader (calendar/chinese/SkyTable.h).
untyped() {
  local moment='\bdouble\s+(ajd|cjdc|cjdl|cjd|moment|instant|td|ut|t1|t2|\w*AJD|\w*Moment)\b|\bdouble\s+\w*(UT|TD)\s*\(|(array|optional|vector)<double\b[^>]*>\s+\w*(UT|TD|Moment|DarkMoon)\b'
  local meridian='\bint\s+(refLongitude|longitude|longitudeNumber|meridian|reference)\b'
  local day='\bint32_t\s+(day|jdn|d0|today|first|last|start|limit|\w*Day|\w*Jdn|\w*JDN)\b|<int32_t\b[^>]*>\s+\w*(Day|Jdn|JDN|Start)\b'
  (cd "$1" && grep -rnE --include='*.h' "$moment|$meridian|$day" calendar) |
    grep -v '^calendar/core/' | grep -v '^calendar/astro/SkyTableFormat.h:' |
    grep -vE '^[^:]+:[0-9]+:\s*//' | grep -v 'constexpr'
}

found=$(untyped "$root")
[ -z "$found" ] || { echo "FAILED: raw time values in the calculators' headers:"; echo "$found"; exit 1; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cp -r "$root/calendar" "$tmp/"
plant() { # header, line to add, what it is
  cp "$root/$1" "$tmp/$1"
  echo "$2" >> "$tmp/$1"
  out=$(untyped "$tmp")
  [[ "$out" == *"$1:"*"$2"* ]] || { echo "FAILED: a planted $3 in $1 passed: [$out]"; exit 1; }
  cp "$root/$1" "$tmp/$1"
}
plant calendar/navigation/MoveStep.h 'MomentOutcome MoveStep(double ajd, const MoveInputs& in);' "double moment"
plant calendar/presentation/DisplayModel.h '    double cjdc = 0;' "double local time"
plant calendar/astro/syzyg.h 'double GetPhaseTimeTD(int32_t lunation, int phase);' "double TD instant"
plant calendar/chinese/Orlun3.h '    std::array<double, kMaxMonths> DarkMoon{};' "table of double instants"
plant calendar/search/TermSearch.h 'MomentOutcome TermSearch(TermPattern wanted, Moment ajd, bool next, int refLongitude);' "int meridian"
plant calendar/search/DaySearch.h 'int32_t NextDayOfPosition(int32_t day, int position, bool next);' "int32_t day number"
plant calendar/monthview/MonthView.h '    int32_t firstDay = 0;' "int32_t day field"
plant calendar/chinese/Orlun3.h '    std::array<int32_t, kMaxMonths> MonthStart{};' "table of int32_t days"
# calendar/core defines the types and may hold raw values.
cp "$root/calendar/core/Limits.h" "$tmp/calendar/core/Limits.h"
echo 'double ToAjd(double cjdc, int refLongitude);' >> "$tmp/calendar/core/Limits.h"
[ -z "$(untyped "$tmp" | grep core/)" ] || { echo "FAILED: calendar/core was checked"; exit 1; }
# The crossings between the time scales are typed: no double in calendar/core/TimeScales.h.
if grep -nw double "$root/calendar/core/TimeScales.h"; then echo "FAILED: an untyped crossing in TimeScales.h"; exit 1; fi
echo "the calculators' headers hold typed moments, meridians and day numbers; planted raw ones are reported"
