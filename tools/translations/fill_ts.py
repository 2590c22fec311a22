#!/usr/bin/env python3
"""Fills a Qt translation file from a table of translations.

usage: fill_ts.py FILE.ts TABLE.tsv

Each line of the table is "english<TAB>translation", with \\n, \\r, \\t and \\\\ standing for a
line break, a carriage return, a tab and a backslash. Every entry of the .ts file whose source
text is in the table, in any context, gets that translation and is marked finished (an entry with
plural forms gets it in every form). The sources left unfinished are printed, one per line; the
exit status is 1 when there are any.
"""
import sys
import xml.etree.ElementTree as ET

import tsfile


def read_table(path):
    table = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\r\n")
            if not line or line.startswith("#"):
                continue
            if "\t" not in line:
                print(f"{path}:{number}: no tab, line skipped", file=sys.stderr)
                continue
            english, translation = line.split("\t", 1)
            table[tsfile.unescape(english)] = tsfile.unescape(translation)
    return table


def fill(tree, table):
    """Fills the entries found in the table; returns the sources of those left unfinished."""
    left = []
    for _, message, source in tsfile.sources(tree):
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation", type="unfinished")
        if translation.get("type") in ("vanished", "obsolete"):
            continue
        if source not in table:
            if translation.get("type") == "unfinished":
                left.append(source)
            continue
        forms = translation.findall("numerusform")
        for target in forms or [translation]:
            tsfile.set_text(target, table[source])
        translation.attrib.pop("type", None)
    return left


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    ts_path, table_path = sys.argv[1], sys.argv[2]
    tree = ET.parse(ts_path)
    left = fill(tree, read_table(table_path))
    tsfile.write(tree, ts_path)
    for source in dict.fromkeys(left):
        print(tsfile.escape(source))
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main())
