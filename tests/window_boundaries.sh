#!/bin/bash
# No window reaches into the main window, and the check does catch a planted reach of each kind.
root="$(cd "$(dirname "$0")/.." && pwd)"
check="$root/tools/check-window-boundaries.sh"
bash "$check" "$root" || { echo "FAILED: a window reaches into the main window"; exit 1; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT

plant() { # $1 file under app/, $2 line to add, $3 what the report must say
  rm -rf "$tmp/app"; cp -r "$root/app" "$tmp/"
  echo "$2" >> "$tmp/app/$1"
  out=$(bash "$check" "$tmp") && { echo "FAILED: [$2] in $1 passed"; exit 1; }
  [[ "$out" == *"app/$1"*"$3"* ]] || { echo "FAILED: [$out]"; exit 1; }
}
plant data/frmData.cpp '#include "app/main/frmMain.h"' "may include the main window's headers"
plant festivals/frmFestivals.h '#include "app/main/MainControls.h"' "may include the main window's headers"
plant data/frmData_lists.cpp '    auto t = main_.lblChineseLunarDate[1]->text();' "names a control of the main window"
plant search/frmMultiple_El_An.cpp '    main->cboElement->rect();' "names a control of the main window"
echo "no window reaches into the main window; planted reaches are reported"
