#!/bin/bash
# Checks that no window reaches into the main window: outside app/main/ only the program's start
# (app/main.cpp) includes a header of app/main/, and no file names a control of main_. The other
# windows take what they need from the main window's state (app/shared/MainState.h).
# Usage: check-window-boundaries.sh [SOURCE-ROOT]. Prints each violation; exits 1 if any.
cd "${1:-$(dirname "$0")/..}" || exit 2

bad=0
while IFS= read -r hit; do
  echo "$hit: only app/main/ and app/main.cpp may include the main window's headers"; bad=1
done < <(grep -rn --include='*.h' --include='*.cpp' '^#include "app/main/' app |
           grep -v -e '^app/main/' -e '^app/main\.cpp:[0-9]*:#include "app/main/frmMain\.h"')
while IFS= read -r hit; do
  echo "$hit: names a control of the main window"; bad=1
done < <(grep -rnE --include='*.h' --include='*.cpp' 'main_?(\.|->)(lbl|txb|cbo|chk|opt|cmd|fra|pic)[A-Z]' app |
           grep -v '^app/main/')
exit $bad
