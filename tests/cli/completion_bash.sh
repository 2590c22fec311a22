#!/bin/bash
# The installed bash completion of orlun-cli: commands, each command's options, the choices of
# its options, and move units and search targets that orlun-cli itself accepts.
cli="$1"
build="$(cd "$(dirname "$1")/.." && pwd)"
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
script="$prefix/share/bash-completion/completions/orlun-cli"
fail=0
# complete WORD... : the replies for the last word, as the shell shows them.
complete_line() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _orlun_cli; echo "${COMPREPLY[*]}"' \
    _ "$script" "$@"
}
while IFS='|' read -r words expected; do
  eval "set -- $words"
  got=$(complete_line "$@")
  [ "$got" = "$expected" ] || { echo "FAILED: $words: \"$got\", expected \"$expected\""; fail=1; }
done <<'CASES'
orlun-cli mo|months move
orlun-cli --|--help --version
orlun-cli li|lines list
orlun-cli lines --|--ajd --date --country --epoch --method --lang --format --output
orlun-cli months 1 2 --|--country --epoch --method --lang --format --output
orlun-cli months 1 2 --f|--format
orlun-cli months 1 2 --format ''|text tsv csv json
orlun-cli search --p|--previous
orlun-cli festivals 2025 --f|--format
orlun-cli festivals 2025 --format ''|text csv json ics
orlun-cli anniversary 12-30 --format j|json
orlun-cli festivals 2025 --lang zh|zh-Hans zh-Hant
orlun-cli lines --country ''|Vietnam China Japan
orlun-cli terms 2013 --method ''|true mean
orlun-cli months 1 2 --epoch ''|-2696 -2636
orlun-cli list ''|newyears months jcce
orlun-cli list months ''|
orlun-cli move CHL|CHL\ month CHL\ year
orlun-cli move --country Japan ARC|ARC\ month\ \(JST\) ARC\ year\ \(JST\)
orlun-cli move 'ARC\ y'|ARC\ year\ \(CCT\)
orlun-cli move '"60-year'|60-year cycle (CHL) 60-year cycle (CHS)
orlun-cli search Winter|Winter\ solstice Winter\ solstice\ +\ dark\ moon
orlun-cli search Multiple|
orlun-cli move --ajd ''|
CASES

# Every unit offered is one orlun-cli move takes, for each country.
for country in Vietnam China Japan; do
  while IFS= read -r unit; do
    "$cli" move "$unit" --ajd 2456334 --country "$country" >/dev/null 2>&1 \
      || { echo "FAILED: orlun-cli move refuses the offered unit \"$unit\" ($country)"; fail=1; }
  done < <(bash -c 'source "$1"; _orlun_cli_values "move:$2"' _ "$script" "$country")
done
# Every target offered is one orlun-cli search reads (a refusal is 1, a usage error 2).
while IFS= read -r target; do
  timeout 20 "$cli" search "$target" --ajd 2456334 >/dev/null 2>&1
  [ $? -ne 2 ] || { echo "FAILED: orlun-cli search does not read the offered target \"$target\""; fail=1; }
done < <(bash -c 'source "$1"; _orlun_cli_values search' _ "$script")
exit $fail
