#!/usr/bin/env python3
"""Fails when a translation file is behind the sources: runs lupdate on a copy of each .ts file and
lists every entry left unfinished, vanished (its source is gone) or obsolete.

usage: check_complete.py LUPDATE SOURCE_DIR FILE.ts...
"""
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

import tsfile

BAD_TYPES = ("unfinished", "vanished", "obsolete")


def problems(ts_path):
    """(type, context, source) of every entry that is not a finished translation."""
    found = []
    for context, message, source in tsfile.sources(ET.parse(ts_path)):
        translation = message.find("translation")
        kind = translation.get("type", "") if translation is not None else "unfinished"
        if kind in BAD_TYPES:
            found.append((kind, context, source))
    return found


def main():
    if len(sys.argv) < 4:
        print(__doc__)
        return 2
    lupdate, source_dir, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = False
    with tempfile.TemporaryDirectory() as tmp:
        for ts in ts_files:
            copy = Path(tmp) / Path(ts).name
            shutil.copyfile(ts, copy)
            # The folder above the sources is the include root: lupdate needs the headers to
            # name each class's context with its namespace, as tr() does.
            include_root = str(Path(source_dir).resolve().parent)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h",
                            "-I", include_root, source_dir, "-ts", str(copy)], check=True)
            found = problems(copy)
            if found:
                failed = True
                print(f"{Path(ts).name}: {len(found)} entries not finished")
                for kind, context, source in found:
                    print(f"  {kind}\t{context}\t{source!r}")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
