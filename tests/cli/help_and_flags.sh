#!/bin/bash
# orlun-cli's help per command, its usage errors, the flags every command shares, their older
# spellings, choices in any case, and the present moment when no --ajd or --date is given.
cli="$1"
fail=0
err_file=$(mktemp); trap 'rm -f "$err_file"' EXIT
commands="lines phases terms months convert move yeardata list selftest calendar search multiple festivals anniversary days"

# The program's help lists every command, one line each, on standard output.
help=$("$cli" --help) || { echo "FAILED: --help exits $?"; fail=1; }
for command in $commands; do
  [ "$(grep -c "^  $command " <<<"$help")" = 1 ] || { echo "FAILED: --help does not list $command once"; fail=1; }
done

# Each command's help: exit 0, its own usage and options only, nothing on standard error.
for command in $commands; do
  for flag in --help -h; do
    out=$("$cli" $command $flag 2>"$err_file"); code=$?
    if [ "$code" != 0 ] || [ -s "$err_file" ] || [[ "$out" != "usage: orlun-cli $command "* ]] \
       || [ "$(grep -c 'orlun-cli [a-z]' <<<"$out")" != 1 ] || ! grep -q '^  --country C ' <<<"$out"; then
      echo "FAILED: $command $flag: exit $code, stderr [$(cat "$err_file")], help [$(head -n 2 <<<"$out")]"; fail=1
    fi
  done
done
grep -qF 'KIND' <<<"$("$cli" list --help)" && { echo "FAILED: list --help names no kinds"; fail=1; }
grep -qF 'Winter solstice + dark moon, ' <<<"$("$cli" search --help | tr -s ' \n' ' ')" \
  || { echo "FAILED: search --help lists no targets"; fail=1; }

# Usage errors: exit 2, nothing on standard output; the reason, then the command's own usage.
# First line of standard error # second line begins with # arguments.
while IFS='#' read -r want_err want_next args; do
  out=$(eval "\"$cli\" $args" 2>"$err_file"); code=$?
  first=$(sed -n 1p "$err_file"); next=$(sed -n 2p "$err_file")
  if [ "$code" != 2 ] || [ -n "$out" ] || [ "$first" != "$want_err" ] || [[ "$next" != "$want_next"* ]] \
     || [ "$(grep -c '^usage: ' "$err_file")" != 1 ]; then
    echo "FAILED: [$args]: exit $code, stderr [$first / $next]"; fail=1
  fi
done <<'TABLE'
orlun-cli: unknown option --colour#usage: orlun-cli months FIRST LAST#months 2013 2014 --colour red
orlun-cli: unknown command "mnths"#usage: orlun-cli COMMAND#mnths 2013 2014
orlun-cli: option --format needs a value: text|csv|json|ics#usage: orlun-cli festivals YEAR#festivals 2025 --format
orlun-cli: option --steps given twice#usage: orlun-cli move UNIT#move day --steps 2 --steps 3
orlun-cli: unknown option --back#usage: orlun-cli lines#lines --back
orlun-cli: list needs newyears, months or jcce, not "weeks"#usage: orlun-cli list newyears|months|jcce#list weeks
orlun-cli: --within must be "1 year", "10 years", "100 years" or "1000 years"#usage: orlun-cli multiple#multiple --day wood- --years 5
orlun-cli: --within must be "N years", not "a decade"#usage: orlun-cli list#list months --within "a decade"
orlun-cli: give --years or --within, not both#usage: orlun-cli festivals#festivals 2025 --years 2 --within "2 years"
orlun-cli: convert needs one DATE TEXT (or --date TEXT or --ajd X)#usage: orlun-cli convert#convert "2013-02-10 CE" --date "2013-02-11 CE"
orlun-cli: --zone must be GMT or LOCAL#usage: orlun-cli convert#convert "2013-02-10 CE" --time 9:30 --zone UTC
orlun-cli: --calendar must be one of CE, JC, CHL, CHS, AJD, CJDC, CJDL, ARC, ARCGMT, ARCCCT, not "CST"#usage: orlun-cli convert#convert "2013-02-10" --calendar CST
orlun-cli: --lang must be one of en, zh-Hans, zh-Hant, vi, ja, not "fr"#usage: orlun-cli terms#terms 2013 --lang fr
orlun-cli: --method must be true or mean, not "apparent"#usage: orlun-cli phases#phases 0 1 --method apparent
TABLE

# An older spelling or another case gives what the usual one gives: usual | other.
while IFS='|' read -r usual other; do
  want=$(eval "\"$cli\" $usual" 2>&1); want_code=$?
  got=$(eval "\"$cli\" $other" 2>&1); code=$?
  [ "$code" = "$want_code" ] && [ "$got" = "$want" ] && [ -n "$want" ] || { echo "FAILED: [$other] differs from [$usual]"; fail=1; }
done <<'SAME'
move "CHL month" --ajd 2456334 --previous --steps 2|move "CHL month" --ajd 2456334 --back --steps 2
search "Full moon" --ajd 2456334 --previous|search "Full moon" --ajd 2456334 --back
multiple --day fire-horse --ajd 2456334 --previous|multiple --day fire-horse --ajd 2456334 --back
multiple --day fire-horse --ajd 2456334 --years 10|multiple --day fire-horse --ajd 2456334 --within "10 years"
multiple --day fire-horse --ajd 2456334 --within "1000 years"|multiple --day fire-horse --ajd 2456334 --within "Within 1000 Years"
list newyears --ajd 2456334 --years 3|list newyears --ajd 2456334 --within "3 years"
festivals 2025 --years 2|festivals 2025 --within "2 years"
anniversary 12-30 --from 2020 --years 1|anniversary 12-30 --from 2020 --within "1 year"
convert "2013-02-10 CE"|convert --date "2013-02-10 CE"
convert "2456334 AJD"|convert --ajd 2456334
lines --ajd 2456334|lines --date "2456334 AJD"
convert "2013-02-10 CE" --time 23:30 --zone GMT|convert "2013-02-10 CE" --time 23:30 --zone gmt
convert "4699-13-30" --calendar ARCGMT --yes|convert "4699-13-30" --calendar arcgmt --yes
terms 2013 --format csv|terms 2013 --format CSV
festivals 2025 --format json --lang zh-Hant|festivals 2025 --format JSON --lang ZH-hant
lines --ajd 2456334 --country Japan|lines --ajd 2456334 --country JAPAN
phases 0 1|phases 0 1 --country Japan
SAME

# The new flags are read: months by the mean sun, the epoch of the cycles in lines.
"$cli" months 2033 2034 --method mean >/dev/null || { echo "FAILED: months --method mean"; fail=1; }
grep -q '^Chinese Lunar.*78-30-01-01 CHL' <<<"$("$cli" lines --ajd 2456334 --epoch -2636)" \
  || { echo "FAILED: lines --epoch -2636"; fail=1; }

# Without --ajd or --date every command that needs a moment takes the present one.
today_ok() { # the CE date of the output is today's at Greenwich (or was, a moment ago)
  grep -qE "^Common Era \(Gregorian\):.($1|$(date -u +%F)) CE " <<<"$2"
}
before=$(date -u +%F)
today_ok "$before" "$("$cli" lines)" || { echo "FAILED: lines without a moment is not today"; fail=1; }
for args in "yeardata" "list newyears --years 1" "calendar --text" "search 'Full moon'" "move minute" \
            "multiple --day fire-horse"; do
  out=$(eval "\"$cli\" $args" 2>/dev/null); code=$?
  [ "$code" = 0 ] && [ -n "$out" ] || { echo "FAILED: [$args] without a moment: exit $code"; fail=1; }
done
grep -qF "$(date -u +'%a %b') $(date -u +%-d)" <<<"$("$cli" calendar --text)" \
  || grep -qF "$(date -u -d "$before" +'%a %b') $(date -u -d "$before" +%-d)" <<<"$("$cli" calendar --text)" \
  || { echo "FAILED: calendar without a moment does not show today"; fail=1; }
exit $fail
