#!/bin/bash
# Where orlun-cli writes: --output on every command (kept only when the command succeeds), "-" and
# /dev/stdout, calendar --png by the name's extension with its message on standard error, the exit
# codes of failed writes, and no temporary file left after a killed run.
cli="$1"
fail=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
# Qt's note about a missing runtime folder would mix with the messages compared below.
export XDG_RUNTIME_DIR="$tmp/.run"; mkdir -m 700 "$XDG_RUNTIME_DIR"
say() { echo "FAILED: $*"; fail=1; }
hidden() { find "$1" -maxdepth 1 -name '.*' ! -name . ! -name .run -printf '%f\n'; }

# --output FILE holds byte for byte what standard output would, for every command; "-" is standard
# output itself, and so are /dev/stdout and /dev/fd/1.
while IFS= read -r args; do
  eval "\"$cli\" $args" >"$tmp/want" 2>/dev/null
  eval "\"$cli\" $args --output \"$tmp/got\"" >"$tmp/stdout" 2>/dev/null; rc=$?
  [ $rc = 0 ] && cmp -s "$tmp/want" "$tmp/got" && [ ! -s "$tmp/stdout" ] || say "[$args] --output FILE ($rc)"
  for target in - /dev/stdout /dev/fd/1; do
    eval "\"$cli\" $args --output $target" >"$tmp/got" 2>/dev/null && cmp -s "$tmp/want" "$tmp/got" \
      || say "[$args] --output $target"
  done
done <<'LIST'
lines --ajd 2451545
phases 0 3 --format csv
terms 2013 --format json
months 2013 2014 --format tsv
convert "2013-02-10 CE"
move day --ajd 2451545 --steps 3
search "Winter solstice" --ajd 2451545
multiple --year water-pig --ajd 2451545
yeardata --ajd 2451545
list newyears --ajd 2451545 --years 3
selftest --seed 1
calendar --ajd 2451545 --text --format csv
festivals 2025 --format csv
anniversary "12-30" --from 2020 --years 3 --format json
days 2025-01-01 2025-01-31
LIST
[ ! -e ./- ] && [ ! -e "$tmp/-" ] || say "--output - made a file named -"
# Appended to a file that standard output is redirected to, as a shell does.
printf 'first\n' >"$tmp/appended"
"$cli" terms 2013 --output /dev/stdout >>"$tmp/appended" && [ "$(head -1 "$tmp/appended")" = first ] \
  && [ "$(wc -l <"$tmp/appended")" -gt 20 ] || say "--output /dev/stdout >> FILE"
# As an ordinary user too, where one exists and may run the program.
if [ "$(id -u)" = 0 ] && id nobody >/dev/null 2>&1 && setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups \
     "$cli" --version >/dev/null 2>&1; then
  got=$(setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups "$cli" terms 2013 --output /dev/stdout); rc=$?
  [ $rc = 0 ] && [ "$got" = "$("$cli" terms 2013)" ] || say "--output /dev/stdout as nobody ($rc)"
  setpriv --reuid=nobody --regid="$(id -g nobody)" --clear-groups "$cli" terms 2013 --output /dev/null \
    || say "--output /dev/null as nobody"
fi

# A refused or cut-short export writes nothing: the old file stays byte-identical, no temporary file.
printf 'BEGIN:VCALENDAR\r\nthe old one\r\n' >"$tmp/old.ics"; cp "$tmp/old.ics" "$tmp/kept"
"$cli" festivals 2995 --years 10 --format ics --output "$tmp/old.ics" >"$tmp/stdout" 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && [ "$(cat "$tmp/err")" = "Date is later than 3000-01-01 CE." ] && [ ! -s "$tmp/stdout" ] || say "refused export ($rc)"
cmp -s "$tmp/old.ics" "$tmp/kept" && [ -z "$(hidden "$tmp")" ] || say "a refused export changed the old file"
for args in "anniversary 12-30 --from 2990 --years 20" "list newyears --ajd 2816000 --years 10" "lines --ajd abc"; do
  eval "\"$cli\" $args --output \"$tmp/old.ics\"" >/dev/null 2>&1
  cmp -s "$tmp/old.ics" "$tmp/kept" && [ -z "$(hidden "$tmp")" ] || say "[$args] changed the old file"
done
# Without --output the events within the range still come, then the refusal (as ever).
[ "$("$cli" festivals 2995 --years 10 --format ics 2>/dev/null | grep -c BEGIN:VEVENT)" -gt 0 ] || say "stdout export"
# A file that cannot be written: exit 3, the reason on standard error, nothing on standard output.
out=$("$cli" terms 2013 --output "$tmp/none/t.txt" 2>"$tmp/err"); rc=$?
[ $rc = 3 ] && [ -z "$out" ] && [ "$(cat "$tmp/err")" = "orlun-cli: The folder $tmp/none does not take a new file (No such file or directory)" ] \
  || say "unwritable --output ($rc): $(cat "$tmp/err")"
mkdir "$tmp/folder"
"$cli" terms 2013 --output "$tmp/folder" 2>"$tmp/err"; rc=$?
[ $rc = 3 ] && [ "$(cat "$tmp/err")" = "orlun-cli: Cannot write the file $tmp/folder (Is a directory)" ] \
  || say "--output FOLDER ($rc): $(cat "$tmp/err")"
rmdir "$tmp/folder"

# calendar --png: the extension chooses the format and is kept; ".png" is added to a name without one.
png() { "$cli" calendar --date "2013-02-10 CE" --png "$@"; }
magic() { head -c "$2" "$1" | od -An -tx1 | tr -d ' \n'; }
while IFS='|' read -r name file bytes; do
  rm -f "$tmp"/[mM]*
  png "$tmp/$name" >"$tmp/stdout" 2>"$tmp/err"; rc=$?
  [ $rc = 0 ] && [ ! -s "$tmp/stdout" ] || say "--png $name ($rc)"
  [ "$(magic "$tmp/$file" $((${#bytes} / 2)))" = "$bytes" ] || say "--png $name: $file is not the format"
  [ "$(ls "$tmp" | grep -ci '^m')" = 1 ] && [ -z "$(hidden "$tmp")" ] || say "--png $name left: $(ls -A "$tmp")"
  [ "$(cat "$tmp/err")" = "The image has been saved in the $(tr a-z A-Z <<<"${file##*.}" | sed 's/JPG/JPEG/') file
$tmp/$file" ] || say "--png $name message: $(cat "$tmp/err")"
done <<'TABLE'
m.png|m.png|89504e470d0a1a0a
m|m.png|89504e470d0a1a0a
m.jpg|m.jpg|ffd8ff
M.JPEG|M.JPEG|ffd8ff
m.bmp|m.bmp|424d
TABLE
err=$(png "$tmp/m.gif" 2>&1 >/dev/null); rc=$?
[ $rc = 2 ] && grep -qF 'orlun-cli: --png FILE must end in .png, .bmp, .jpg or .jpeg (or have no extension), not "'"$tmp/m.gif"'"' <<<"$err" \
  && [ ! -e "$tmp/m.gif" ] && [ ! -e "$tmp/m.gif.png" ] || say "--png m.gif ($rc): $err"
# "-" is standard output; the message is left out there, and the data alone is written.
png - >"$tmp/out.png" 2>"$tmp/err" && [ "$(magic "$tmp/out.png" 8)" = 89504e470d0a1a0a ] && [ ! -s "$tmp/err" ] \
  && [ ! -e ./-.png ] && [ ! -e ./- ] || say "--png -"
png - --text >/dev/null 2>&1; [ $? = 2 ] || say "--png - with --text on standard output"
png - --text --output "$tmp/text" >"$tmp/out2.png" 2>/dev/null && cmp -s "$tmp/out.png" "$tmp/out2.png" \
  && [ -s "$tmp/text" ] || say "--png - with --text --output FILE"
# A message that cannot be written changes nothing: the file is there and the exit code is 0.
rm -f "$tmp"/m*
png "$tmp/m1.png" >&- 2>/dev/null; rc1=$?
png "$tmp/m2.png" 2>&-; rc2=$?
[ $rc1 = 0 ] && [ $rc2 = 0 ] && cmp -s "$tmp/m1.png" "$tmp/m2.png" && [ -z "$(hidden "$tmp")" ] || say "closed streams ($rc1 $rc2)"
# A PNG that cannot be written exits with 3.
err=$(png "$tmp/none/m.png" 2>&1 >/dev/null); rc=$?
[ $rc = 3 ] && grep -q "the folder $tmp/none does not exist" <<<"$err" || say "--png in a missing folder ($rc)"
png - >/dev/full 2>"$tmp/err"; rc=$?
[ $rc = 3 ] && [ "$(cat "$tmp/err")" = "orlun-cli: cannot write to standard output (No space left on device)" ] \
  || say "--png - >/dev/full ($rc): $(cat "$tmp/err")"

# A killed --png leaves at most temporary files of its dead process, which the next run removes at
# once: planted ones, then real kills at several moments of the run.
rm -f "$tmp"/m*
sh -c 'exit 0' & dead=$!; wait $dead
for name in .m.png.orlun-tmp-$dead-AbC123 .m.bmp.orlun-tmp-$dead-XyZ789; do printf 'half' >"$tmp/$name"; done
png "$tmp/m.png" 2>/dev/null && [ -z "$(hidden "$tmp")" ] && [ ! -e "$tmp/m.bmp" ] || say "stale files stayed: $(ls -A "$tmp")"
for delay in 0.15 0.3 0.45 0.55 0.62; do
  # The program itself, not a subshell around it, is killed.
  "$cli" calendar --date "2013-02-10 CE" --png "$tmp/k.png" 2>/dev/null & pid=$!
  sleep $delay; kill -9 $pid 2>/dev/null; wait $pid 2>/dev/null
  png "$tmp/k.png" 2>/dev/null && [ -z "$(hidden "$tmp")" ] && [ ! -e "$tmp/k.bmp" ] \
    || say "after a kill at $delay s: $(ls -A "$tmp")"
done
exit $fail
