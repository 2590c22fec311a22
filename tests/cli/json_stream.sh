#!/bin/bash
# orlun-cli writes its records as it makes them: the whole range of days as JSON under a 300 MB
# address-space limit in flat memory, its first bytes at once, one valid document for no record and
# for one; memory that runs out all the same ends with the message and exit 1, never a crash.
cli="$1"
exec /usr/bin/python3 - "$cli" <<'PY'
import json, os, resource, subprocess, sys, time

cli = sys.argv[1]
failures = []
LIMIT = 300_000_000


def fail(text):
    failures.append(text)
    print("FAILED: " + text)


def limited(limit):
    return lambda: resource.setrlimit(resource.RLIMIT_AS, (limit, limit))


def streamed(args, limit=LIMIT):
    """Runs orlun-cli, reading its output in blocks: its exit code, standard error, peak memory
    (kB), size, first and last bytes, and the number of records ("ce" fields)."""
    p = subprocess.Popen([cli] + args, stdout=subprocess.PIPE, stderr=subprocess.PIPE, preexec_fn=limited(limit))
    key, head, tail, last, size, count = b'"ce": ', b"", b"", b"", 0, 0
    while block := p.stdout.read(1 << 20):
        both = tail + block  # a key across two blocks is counted once: tail is shorter than it
        count += both.count(key) - tail.count(key)
        head = head or block[:200]
        tail = both[-(len(key) - 1):]
        size += len(block)
        last = both[-40:]
    err = p.stderr.read().decode()
    _, status, usage = os.wait4(p.pid, 0)
    return os.waitstatus_to_exitcode(status), err, usage.ru_maxrss, size, head, last, count


# Every day from -3000-01-01 to 3000-01-01, as JSON, under the limit; the peak stays far below it.
code, err, peak, size, head, last, count = streamed(["days", "-3000-01-01", "3000-01-01", "--format", "json"])
print("days -3000-01-01 3000-01-01 --format json: %d records, %d bytes, peak %.1f MB" % (count, size, peak / 1024))
if code == 1:
    if err != "orlun-cli: out of memory\n":
        fail("out of memory said %r" % err)
elif code != 0 or err:
    fail("whole range: exit %d, %r" % (code, err[:200]))
else:
    if count != 2191456 or not head.startswith(b'{\n  "days": [\n    {\n      "ce": "-3000-01-01",'):
        fail("whole range: %d records, begins %r" % (count, head[:80]))
    if not last.endswith(b'"\n    }\n  ]\n}\n'):
        fail("whole range ends %r" % last)
if peak > 50 * 1024:
    fail("whole range: peak memory %d kB" % peak)

# The first bytes come at once, long before the range is done.
start = time.monotonic()
p = subprocess.Popen([cli, "days", "-3000-01-01", "3000-01-01", "--format", "json"], stdout=subprocess.PIPE,
                     preexec_fn=limited(LIMIT))
first = p.stdout.read(100)
waited = time.monotonic() - start
p.kill(); p.wait()
if len(first) != 100 or waited > 5:
    fail("first 100 bytes after %.1f s: %r" % (waited, first))

# One valid document for one record, and for none (a move refused at its first step).
for args, table, records, code_wanted in [
    (["days", "2025-01-01", "2025-01-01"], "days", 1, 0),
    (["days", "2025-01-01", "2025-01-01", "--lang", "ja"], "days", 1, 0),
    (["move", "CE year", "--ajd", "2816788", "--steps", "3"], "lines", 0, 1),
    (["move", "CE year", "--ajd", "2816700.5", "--steps", "3"], "lines", 1, 1),
]:
    p = subprocess.run([cli] + args + ["--format", "json"], capture_output=True)
    try:
        document = json.loads(p.stdout)
        ok = p.returncode == code_wanted and list(document) == [table] and len(document[table]) == records
    except ValueError as e:
        ok = False
    if not ok:
        fail("%s: exit %d, %r" % (args, p.returncode, p.stdout[:200]))

# Memory that runs out: from the least limit at which the program starts, the message and exit 1
# or the whole export, never a signal.
low = next((mb for mb in range(20, 400, 4)
            if subprocess.run([cli, "--version"], capture_output=True, preexec_fn=limited(mb << 20)).returncode == 0), None)
said = 0
for mb in range(low or 400, (low or 400) + 80, 4):
    p = subprocess.run([cli, "festivals", "1000", "--years", "1000", "--format", "ics"], capture_output=True,
                       preexec_fn=limited(mb << 20))
    err = p.stderr.decode()
    if p.returncode == 1 and err == "orlun-cli: out of memory\n":
        said += 1
    elif not (p.returncode == 0 and not err and p.stdout.startswith(b"BEGIN:VCALENDAR")):
        fail("festivals under %d MB: exit %d, %r" % (mb, p.returncode, err[:200]))
if said == 0:
    fail("no limit from %s MB on ran out of memory" % low)
sys.exit(1 if failures else 0)
PY
