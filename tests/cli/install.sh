#!/bin/bash
# The installed program: `cmake --install` into a temporary prefix, then the installed orlun-cli
# runs from another folder and finds its pictures; the desktop entry and metainfo validate.
build="$(cd "$(dirname "$1")/.." && pwd)"
fail=0
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }

cd "$prefix" || exit 1
[ "$(bin/orlun-cli --version)" = "orlun-cli 1.0" ] || { echo "FAILED: --version"; fail=1; }
bin/orlun-cli --help | grep -q "orlun-cli calendar" || { echo "FAILED: --help"; fail=1; }
[ "$(bin/orlun --version)" = "orlun 1.0" ] || { echo "FAILED: orlun --version"; fail=1; }
bin/orlun-cli calendar --ajd 2456334 --png "$prefix/m.png" >/dev/null 2>&1 && [ -s "$prefix/m.png" ] \
  || { echo "FAILED: the installed orlun-cli cannot draw a month"; fail=1; }
[ "$(ls share/orlun/images/day*.gif | wc -l)" = 32 ] || { echo "FAILED: day pictures"; fail=1; }
[ -f share/icons/hicolor/256x256/apps/com.velmorsystems.Orlun.png ] || { echo "FAILED: icon"; fail=1; }
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate share/applications/com.velmorsystems.Orlun.desktop || { echo "FAILED: desktop entry"; fail=1; }
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net share/metainfo/com.velmorsystems.Orlun.metainfo.xml >/dev/null \
    || { echo "FAILED: metainfo"; fail=1; }
fi
exit $fail
