#!/bin/bash
# orlun-cli festivals and anniversary: the days as text, and iCalendar files that another
# library (Python's icalendar) reads back with the same events, dates and ids.
cli="$1"
fail=0
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
py=/usr/bin/python3

expected="2025-01-29 Wednesday Spring Festival (lunar date 01-01)
2025-02-12 Wednesday Lantern Festival (lunar date 01-15)
2025-03-01 Saturday Dragon Raises Its Head (lunar date 02-02)
2025-04-04 Friday Qingming Festival (lunar date 03-07)
2025-05-31 Saturday Dragon Boat Festival (lunar date 05-05)
2025-08-29 Friday Qixi Festival (lunar date 07-07)
2025-09-06 Saturday Ghost Festival (lunar date 07-15)
2025-10-06 Monday Mid-Autumn Festival (lunar date 08-15)
2025-10-29 Wednesday Double Ninth Festival (lunar date 09-09)
2025-12-21 Sunday Winter Solstice Festival (lunar date 11-02)
2026-01-26 Monday Laba Festival (lunar date 12-08)
2026-02-10 Tuesday Little New Year (north) (lunar date 12-23)
2026-02-11 Wednesday Little New Year (south) (lunar date 12-24)
2026-02-16 Monday New Year's Eve (lunar date 12-29)"
[ "$("$cli" festivals 2025 --country China)" = "$expected" ] || { echo "FAILED: China 2025"; fail=1; }
[ "$("$cli" festivals 2030 --country Vietnam --lang vi | head -1)" = \
  "2030-02-02 đến 2030-02-04 Thứ Bảy Tết Nguyên Đán (Âm lịch: mùng 1 tháng Giêng năm Canh Tuất)" ] || { echo "FAILED: Tết 2030"; fail=1; }
[ "$("$cli" festivals 2030 --country China --lang zh-Hant | head -1)" = "2030-02-03 星期日 春節 (農曆庚戌年正月初一)" ] \
  || { echo "FAILED: Spring Festival 2030"; fail=1; }

# Anniversaries of a 30th kept on the 29th where month 12 is short; a typed date starts the year after.
out=$("$cli" anniversary "12-30" --from 2024 --years 3 --country China)
[ "$out" = "2025-01-28 Tuesday Lunar anniversary (lunar date 12-29)
2026-02-16 Monday Lunar anniversary (lunar date 12-29)
2027-02-05 Friday Lunar anniversary (lunar date 12-29)" ] || { echo "FAILED: anniversary of a 30th: $out"; fail=1; }
[ "$("$cli" anniversary "2023-03-25 CE" --years 1 --country China --lang zh-Hans --title 生日)" = \
  "2024-03-13 星期三 生日 (农历甲辰年二月初四)" ] || { echo "FAILED: anniversary of a leap-month day"; fail=1; }

# iCalendar: read back, the same ids at a second export, short CRLF lines, a title with a comma
# and a semicolon kept.
title='Giỗ bà nội, ngày 30; tháng Chạp'
for i in 1 2; do
  "$cli" anniversary "12-30" --from 2020 --years 20 --country Vietnam --title "$title" --format ics --output "$tmp/a$i.ics" \
    || { echo "FAILED: ics export"; fail=1; }
done
"$cli" festivals 2030 --country Vietnam --lang vi --format ics > "$tmp/f.ics" || { echo "FAILED: ics to stdout"; fail=1; }
"$py" - "$tmp" "$title" <<'PY' || fail=1
import sys, icalendar
tmp, title = sys.argv[1], sys.argv[2]
def events(name):
    cal = icalendar.Calendar.from_ical(open(f"{tmp}/{name}", "rb").read())
    return [(str(e["UID"]), e["DTSTART"].dt, e["DTEND"].dt, str(e["SUMMARY"])) for e in cal.walk("VEVENT")]
a1, a2, f = events("a1.ics"), events("a2.ics"), events("f.ics")
ok = True
def check(cond, what):
    global ok
    if not cond: print("FAILED:", what); ok = False
check(len(a1) == 20, f"20 anniversaries, not {len(a1)}")
check([e[0] for e in a1] == [e[0] for e in a2], "the same ids at a second export")
check(len(set(e[0] for e in a1)) == 20, "distinct ids")
check(all(e[3] == title for e in a1), "the title round-trips")
check(all((e[2] - e[1]).days == 1 for e in a1), "one-day events")
check(len(f) == 8 and str(f[0][1]) == "2030-02-02" and str(f[0][2]) == "2030-02-05", "Tết 2030 over three days")
for name in ("a1.ics", "f.ics"):
    raw = open(f"{tmp}/{name}", "rb").read()
    lines = raw.split(b"\r\n")
    check(raw.endswith(b"\r\n") and b"\n" not in raw.replace(b"\r\n", b""), f"{name}: CRLF only")
    check(all(len(l) <= 75 for l in lines), f"{name}: lines of at most 75 octets")
    check(all(l.decode("utf-8") is not None for l in lines), f"{name}: no character split across lines")
sys.exit(0 if ok else 1)
PY

# CSV and JSON: the header, every row as wide as it, a title with a comma and quotes kept, and
# the same days as the text.
"$cli" anniversary "12-30" --from 2024 --years 3 --country China --title 'Giỗ, "bà"; 30' --format csv > "$tmp/a.csv"
"$cli" festivals 2025 --years 2 --country China --lang zh-Hans --format json > "$tmp/f.json"
"$cli" festivals 2025 --years 2 --country China --lang zh-Hans > "$tmp/f.txt"
"$py" - "$tmp" <<'PY' || fail=1
import sys, csv, json
tmp = sys.argv[1]
ok = True
def check(cond, what):
    global ok
    if not cond: print("FAILED:", what); ok = False
rows = list(csv.reader(open(f"{tmp}/a.csv", newline="", encoding="utf-8")))
check(rows[0] == ["start", "end", "days", "jdn", "weekday", "name", "lunar_date", "uid"], f"CSV header {rows[0]}")
check(len(rows) == 4 and all(len(r) == 8 for r in rows), "CSV rows as wide as the header")
check(all(r[5] == 'Giỗ, "bà"; 30' for r in rows[1:]), "a title with a comma and quotes round-trips")
check([r[0] for r in rows[1:]] == ["2025-01-28", "2026-02-16", "2027-02-05"], "CSV days")
events = json.load(open(f"{tmp}/f.json", encoding="utf-8"))["events"]
lines = open(f"{tmp}/f.txt", encoding="utf-8").read().splitlines()
check(len(events) == len(lines) == 28, f"JSON events {len(events)}, text lines {len(lines)}")
for e, line in zip(events, lines):
    check(line == f"{e['start']} {e['weekday']} {e['name']} ({e['lunar_date']})", f"JSON and text differ: {line}")
    check(isinstance(e["days"], int) and isinstance(e["jdn"], int), "typed numbers")
sys.exit(0 if ok else 1)
PY

# Bad arguments and a file that cannot be written.
"$cli" festivals 2025 --format csvx >/dev/null 2>&1; [ $? = 2 ] || { echo "FAILED: bad format"; fail=1; }
"$cli" festivals 2025 --lang fr >/dev/null 2>&1; [ $? = 2 ] || { echo "FAILED: bad language"; fail=1; }
"$cli" anniversary "13-01" >/dev/null 2>&1; [ $? = 2 ] || { echo "FAILED: bad lunar day"; fail=1; }
err=$("$cli" festivals 2025 --format ics --output "$tmp/none/f.ics" 2>&1); rc=$?
[ $rc = 3 ] && grep -q "The folder $tmp/none does not take a new file" <<<"$err" || { echo "FAILED: unwritable ($rc): $err"; fail=1; }
"$cli" festivals 2999 >/dev/null 2>"$tmp/err"; rc=$?
[ $rc = 1 ] && grep -q "Date is later than 3000-01-01 CE." "$tmp/err" || { echo "FAILED: range end ($rc)"; fail=1; }
exit $fail
