#!/bin/bash
# The installed program: `cmake --install` into a temporary prefix, then the installed orlun-cli
# runs from another folder and finds its pictures; the desktop entry and metainfo validate.
build="$(cd "$(dirname "$1")/.." && pwd)"
fail=0
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }

cd "$prefix" || exit 1
[ "$(bin/orlun-cli --version)" = "orlun-cli 1.0" ] || { echo "FAILED: --version"; fail=1; }
bin/orlun-cli --help | grep -q "^  calendar " && bin/orlun-cli calendar --help | grep -q "^usage: orlun-cli calendar " \
  || { echo "FAILED: --help"; fail=1; }
[ "$(bin/orlun --version)" = "orlun 1.0" ] || { echo "FAILED: orlun --version"; fail=1; }
bin/orlun-cli calendar --ajd 2456334 --png "$prefix/m.png" >/dev/null 2>&1 && [ -s "$prefix/m.png" ] \
  || { echo "FAILED: the installed orlun-cli cannot draw a month"; fail=1; }
[ "$(ls share/orlun/images/day*.gif | wc -l)" = 32 ] || { echo "FAILED: day pictures"; fail=1; }
[ -f share/icons/hicolor/256x256/apps/com.velmorsystems.Orlun.png ] || { echo "FAILED: icon"; fail=1; }
grep -q '<svg' share/icons/hicolor/scalable/apps/com.velmorsystems.Orlun.svg 2>/dev/null || { echo "FAILED: scalable icon"; fail=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate share/applications/com.velmorsystems.Orlun.desktop || { echo "FAILED: desktop entry"; fail=1; }
fi
if command -v appstreamcli >/dev/null; then
  # Pedantic, with one note kept: the id's last part is capitalised, as the desktop entry and
  # icons installed under that name have always been.
  notes=$(appstreamcli validate --pedantic --no-net share/metainfo/com.velmorsystems.Orlun.metainfo.xml 2>&1) \
    || { echo "FAILED: metainfo: $notes"; fail=1; }
  grep -E '^[EWIP]:' <<<"$notes" | grep -v 'cid-contains-uppercase-letter' && { echo "FAILED: metainfo notes"; fail=1; }
fi
exit $fail
