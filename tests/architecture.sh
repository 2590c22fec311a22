#!/bin/bash
# The include rules hold for the source tree, and the check does catch planted violations.
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/check-includes.sh" "$root" || { echo "FAILED: the source tree breaks the include rules"; exit 1; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cp -r "$root/calendar" "$root/engine" "$root/io" "$root/draw" "$tmp/"
echo '#include "calendar/chinese/Orlun3.h"' >> "$tmp/engine/dayconv.cpp"
out=$(bash "$root/tools/check-includes.sh" "$tmp") && { echo "FAILED: a planted engine -> chinese include passed"; exit 1; }
[[ "$out" == *"engine/dayconv.cpp"*"engine may not use calendar/chinese"* ]] || { echo "FAILED: [$out]"; exit 1; }
# The drawings stay free of Qt Widgets, which orlun-cli does not link.
for header in QWidget QtWidgets/QLabel; do
  cp "$root/draw/MonthPainter.cpp" "$tmp/draw/MonthPainter.cpp"
  echo "#include <$header>" >> "$tmp/draw/MonthPainter.cpp"
  out=$(bash "$root/tools/check-includes.sh" "$tmp") && { echo "FAILED: a planted <$header> in draw passed"; exit 1; }
  [[ "$out" == *"draw/MonthPainter.cpp: includes <$header>, but the drawings use no Qt Widgets"* ]] || { echo "FAILED: [$out]"; exit 1; }
done
echo "include rules hold; planted violations are reported"
