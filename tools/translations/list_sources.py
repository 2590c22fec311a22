#!/usr/bin/env python3
"""Prints every source text of a Qt translation file once, one per line, in the escaping of the
tables fill_ts.py reads (\\n, \\r, \\t and \\\\ for a line break, a carriage return, a tab and a
backslash).

usage: list_sources.py FILE.ts
"""
import sys
import xml.etree.ElementTree as ET

import tsfile


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    seen = set()
    for _, _, source in tsfile.sources(ET.parse(sys.argv[1])):
        if source not in seen:
            seen.add(source)
            print(tsfile.escape(source))
    return 0


if __name__ == "__main__":
    sys.exit(main())
