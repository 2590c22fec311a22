#!/usr/bin/python3
"""orlun-cli --format: for each command, the CSV and TSV headers are the ones docs/cli.md names and
every row has their number of fields, the JSON validates against docs/schemas and holds the same
values as the CSV, and sampled records equal the text form's values; the same with --lang, whose
native fields are a "native" object in JSON and columns "native_…" at the end of CSV and TSV. Then
days over a year, and the usage errors of --format and days.
Usage: formats.py ORLUN-CLI DOCS-FOLDER"""
import csv
import io
import json
import re
import subprocess
import sys

import jsonschema

cli, docs = sys.argv[1], sys.argv[2]
failures = []


def fail(text):
    failures.append(text)
    print("FAILED: " + text)


def run(args, expect=0):
    p = subprocess.run([cli] + args, capture_output=True)
    if p.returncode != expect:
        fail("%s: exit %d, expected %d: %s" % (args, p.returncode, expect, p.stderr.decode()[:300]))
    return p.stdout.decode(), p.stderr.decode()


def documented_headers(kind):
    """The headers docs/cli.md gives after "Header:" or "Header with --lang:", by command."""
    headers, command = {}, None
    for line in open(docs + "/cli.md", encoding="utf-8"):
        m = re.match(r"^## `([a-z]+)`", line)
        if m:
            command = m.group(1)
        m = re.match(r"^%s: `([^`]*)`" % re.escape(kind), line)
        if m and command:
            headers[command] = m.group(1).split(",")
    return headers


# Command, arguments, the table's name, the fields after which the text form puts a space.
# Each runs a fixed moment so that every format sees the same records.
COMMANDS = [
    ("lines", ["--ajd", "2456334"], "lines", set()),
    ("convert", ["2013-02-10 CE"], "lines", set()),
    ("move", ["CHL month", "--ajd", "2456334", "--steps", "6"], "lines", set()),
    ("search", ["Full moon", "--ajd", "2456334"], "lines", set()),
    ("multiple", ["--day", "fire-horse", "--ajd", "2456334"], "lines", set()),
    ("months", ["2025", "2026"], "months", set()),
    ("terms", ["2023"], "terms", {"time"}),
    ("phases", ["-9037", "-9035"], "phases", {"time"}),
    ("days", ["2023-01-15", "2023-03-31", "--country", "Vietnam"], "days", set()),
    ("yeardata", ["--ajd", "2456334"], "yeardata", set()),
    ("list", ["newyears", "--ajd", "2456334", "--years", "12"], "list", set()),
    ("selftest", ["--seed", "7"], "selftest", set()),
    ("calendar", ["--text", "--ajd", "2456334"], "calendar", set()),
]


# The language each command is checked in with --lang, all four in turn.
LANGUAGES = ["zh-Hans", "zh-Hant", "vi", "ja"]


def flat(record):
    """A JSON record with the fields of its "native" object as the CSV names them."""
    fields = {k: v for k, v in record.items() if k != "native"}
    fields.update({"native_" + k: v for k, v in record.get("native", {}).items()})
    return fields


def samples(count):
    """Five indices spread over count records."""
    return sorted({0, count // 4, count // 2, (3 * count) // 4, count - 1}) if count else []


def text_of(fields, values, spaced):
    line = ""
    for i, (field, value) in enumerate(zip(fields, values)):
        if i:
            line += " " if field in spaced else "\t"
        line += value
    return line


def check_text(command, args, rows, fields, spaced):
    text, _ = run([command] + args)
    if command == "calendar":
        text, _ = run([command] + args + ["--arc"])
        grid = text.split("\n")[2:]
        for i in samples(len(rows)):
            r = dict(zip(fields, rows[i]))
            # A native language names the day and gives its note (初一, 1日 先勝 啓蟄) where English numbers it.
            day = " ".join(filter(None, [r.get("native_day"), r.get("native_note")])) or r["day"]
            cell = "%s %s %s" % (day, r["ce_text"], r["arc"])
            if cell not in grid[int(r["row"])].split(" | "):
                fail("calendar: record %d (%s) is not in row %s of the text" % (i, cell, r["row"]))
        return
    if "--lang" in args and fields[:2] == ["caption", "value"]:
        # The display lines leave the native fields to the native line.
        rows = [row[:2] for row in rows]
    lines = [line[:-1] if line.endswith("\r") else line for line in text.split("\n")]
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) != len(rows):
        fail("%s: %d text lines, %d records" % (command, len(lines), len(rows)))
        return
    for i in samples(len(rows)):
        if text_of(fields, rows[i], spaced) != lines[i]:
            fail("%s: record %d is %r, the text line %r" % (command, i, rows[i], lines[i]))


def same_value(json_value, csv_value):
    if isinstance(json_value, bool) or json_value is None:
        return False
    if isinstance(json_value, int):
        return str(json_value) == csv_value
    if isinstance(json_value, float):
        return abs(json_value - float(csv_value)) <= 0.5 * 10 ** -len(csv_value.partition(".")[2])
    return json_value == csv_value


def check_command(command, args, table, spaced, header):
    out, _ = run([command] + args + ["--format", "csv"])
    if "\r\n" not in out and out:
        fail("%s: CSV lines do not end with CR LF" % command)
    rows = list(csv.reader(io.StringIO(out, newline="")))
    if not rows or rows[0] != header:
        fail("%s: CSV header %s, docs/cli.md %s" % (command, rows[:1], header))
        return
    rows = rows[1:]
    if not rows:
        fail("%s: no records" % command)
    for i, row in enumerate(rows):
        if len(row) != len(header):
            fail("%s: CSV row %d has %d fields, the header %d" % (command, i, len(row), len(header)))
    tsv, _ = run([command] + args + ["--format", "tsv"])
    tsv_rows = [line.split("\t") for line in tsv.split("\n")[:-1]]
    if tsv_rows[:1] != [header] or any(len(r) != len(header) for r in tsv_rows):
        fail("%s: TSV header or field counts differ from %s" % (command, header))
    elif [[f.replace("\\n", "\n").replace("\\r", "\r") for f in r] for r in tsv_rows[1:]] != rows:
        fail("%s: TSV and CSV records differ" % command)
    document, _ = run([command] + args + ["--format", "json"])
    data = json.loads(document)
    schema = json.load(open("%s/schemas/%s.schema.json" % (docs, command), encoding="utf-8"))
    try:
        jsonschema.validate(data, schema)
    except jsonschema.ValidationError as e:
        fail("%s: JSON does not validate: %s" % (command, e.message))
    records = data.get(table, [])
    if len(records) != len(rows):
        fail("%s: %d JSON records, %d CSV rows" % (command, len(records), len(rows)))
    for record, row in zip(records, rows):
        record = flat(record)
        for field, value in zip(header, row):
            if not same_value(record.get(field), value):
                fail("%s: JSON %s %r, CSV %r" % (command, field, record.get(field), value))
                break
    check_text(command, args, rows, header, spaced)
    return rows


headers = documented_headers("Header")
lang_headers = documented_headers("Header with --lang")
for k, (command, args, table, spaced) in enumerate(COMMANDS):
    if command not in headers:
        fail("docs/cli.md documents no header of %s" % command)
        continue
    check_command(command, args, table, spaced, headers[command])
    lang_args = args + ["--lang", LANGUAGES[k % len(LANGUAGES)]]
    check_command(command, lang_args, table, spaced, lang_headers.get(command, headers[command]))

# A display value with a comma, read back from CSV, is the text's value.
rows = list(csv.reader(io.StringIO(run(["lines", "--ajd", "2456334", "--format", "csv"])[0], newline="")))
if not any("," in value for _, value in rows[1:]):
    fail("lines: no value with a comma came back from CSV")

# A whole year of days in one process; its CHL dates are convert's.
out, _ = run(["days", "2025-01-01", "2025-12-31", "--format", "csv"])
days = list(csv.DictReader(io.StringIO(out, newline="")))
if len(days) != 365:
    fail("days 2025: %d rows" % len(days))
for day in days[::19][:20]:
    text, _ = run(["convert", day["ce"] + " CE", "--format", "csv"])
    lines = list(csv.reader(io.StringIO(text, newline="")))
    chl = [value.strip().rpartition(" CHL ")[0] + " CHL" for caption, value in lines[1:] if caption == "Chinese Lunar"]
    if chl != [day["chl"]]:
        fail("days %s: CHL %r, convert %r" % (day["ce"], day["chl"], chl))
terms = [d["solar_term"] for d in days if d["solar_term"]]
if len(terms) != 24 or terms[0] != "J12":
    fail("days 2025: terms %s" % terms)
if days[0]["ce"] != "2025-01-01" or days[-1]["ce"] != "2025-12-31":
    fail("days 2025: from %s to %s" % (days[0]["ce"], days[-1]["ce"]))

# Usage errors: exit 2, the reason on standard error, nothing on standard output.
USAGE = [
    (["months", "2025", "2025", "--format", "xml"], "text|tsv|csv|json"),
    (["lines", "--ajd", "2456334", "--format"], "text|tsv|csv|json"),
    (["terms", "2025", "--format", "csv", "--format", "json"], "given twice"),
    (["days", "2025-12-31", "2025-01-01"], "FROM must not be later than TO"),
    (["days", "-3001-12-31", "-3000-01-02"], "lies outside"),
    (["days", "2999-12-31", "3000-01-02"], "lies outside"),
    (["days", "2025-02-29", "2025-03-01"], "Common Era date"),
    (["days", "2025-01-01"], "days needs FROM and TO"),
]
for args, reason in USAGE:
    out, err = run(args, expect=2)
    if out or reason not in err:
        fail("%s: stdout %r, stderr %r" % (args, out[:80], err[:200]))
# The range's ends themselves are days.
out, _ = run(["days", "-3000-01-01", "-3000-01-01", "--format", "csv"])
out2, _ = run(["days", "3000-01-01", "3000-01-01", "--format", "csv"])
if len(out.splitlines()) != 2 or len(out2.splitlines()) != 2:
    fail("days at the range's ends: %r %r" % (out, out2))

sys.exit(1 if failures else 0)
