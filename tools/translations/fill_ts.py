#!/usr/bin/env python3
"""Fills a Qt translation file from a table of translations.

usage: fill_ts.py FILE.ts TABLE.tsv

Each line of the table is "english<TAB>translation", with \\n, \\t and \\\\ standing for a line
break, a tab and a backslash. Every entry of the .ts file whose source text is in the table, in
any context, gets that translation and is marked finished (entries with plural forms get it in
every form). The sources left without a translation are printed, one per line; the exit status
is 1 when there are any.
"""
import sys
import xml.etree.ElementTree as ET

ESCAPES = {"n": "\n", "t": "\t", "\\": "\\"}


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == "\\" and i + 1 < len(text) and text[i + 1] in ESCAPES:
            out.append(ESCAPES[text[i + 1]])
            i += 2
        else:
            out.append(text[i])
            i += 1
    return "".join(out)


def escape(text):
    return text.replace("\\", "\\\\").replace("\n", "\\n").replace("\t", "\\t")


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
            table[unescape(english)] = unescape(translation)
    return table


def fill(tree, table):
    """Fills the entries found in the table; returns the sources of the others."""
    left = []
    for message in tree.getroot().iter("message"):
        source = message.findtext("source", "")
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        if translation.get("type") in ("vanished", "obsolete"):
            continue
        if source not in table:
            if translation.get("type") == "unfinished" or not (translation.text or list(translation)):
                left.append(source)
            continue
        forms = translation.findall("numerusform")
        if forms:
            for form in forms:
                form.text = table[source]
        else:
            translation.text = table[source]
        translation.attrib.pop("type", None)
    return left


def main():
    if len(sys.argv) != 3:
        print(__doc__)
        return 2
    ts_path, table_path = sys.argv[1], sys.argv[2]
    tree = ET.parse(ts_path)
    left = fill(tree, read_table(table_path))
    with open(ts_path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
        f.write(b"\n")
    for source in left:
        print(escape(source))
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main())
