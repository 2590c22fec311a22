#!/bin/bash
# Checks that every source file includes only from the folders its own folder may use, that the
# calculators and the engine adapters include no Qt, that the drawings include no Qt Widgets, and
# that only the engine adapter includes the Swiss Ephemeris. Usage: check-includes.sh [SOURCE-ROOT]. Prints each violation; exits 1 if any.
cd "${1:-$(dirname "$0")/..}" || exit 2

# Folder -> the folders it may include from (besides itself). Each calendar folder builds on the
# ones before it; state needs only the core records.
declare -A may=(
  [calendar/core]=""
  [io]=""
  [engine]="calendar/core io"
  [calendar/western]="calendar/core engine"
  [calendar/astro]="calendar/core engine calendar/western"
  [calendar/chinese]="calendar/core engine calendar/western calendar/astro"
  [calendar/arc]="calendar/core engine calendar/western calendar/astro calendar/chinese"
  [calendar/navigation]="calendar/core engine calendar/western calendar/astro calendar/chinese calendar/arc"
  [calendar/entry]="calendar/core engine calendar/western calendar/astro calendar/chinese calendar/arc"
  [calendar/presentation]="calendar/core engine calendar/western calendar/astro calendar/chinese calendar/arc calendar/entry calendar/native"
  [calendar/state]="calendar/core"
  [calendar/native]="calendar/core"
  [calendar/festivals]="calendar/core engine calendar/western calendar/astro calendar/chinese calendar/native"
  [calendar/tables]="calendar/core engine calendar/western calendar/astro calendar/chinese calendar/arc calendar/entry calendar/presentation calendar/native"
  [calendar/monthview]="calendar/core engine calendar/western calendar/astro calendar/chinese calendar/arc calendar/native"
  [calendar/search]="calendar/core engine calendar/western calendar/astro calendar/chinese calendar/arc calendar/navigation calendar/entry"
  [draw]="calendar/core calendar/monthview calendar/native engine io"
)

# The Qt Widgets headers, so that the drawings (Qt GUI only) can be told from the windows.
qt_include=$(pkg-config --variable=includedir Qt6Widgets 2>/dev/null)
is_widgets_header() { # <QtWidgets/QFoo> or <QFoo> of the Qt Widgets module
  [[ "$1" == QtWidgets* ]] || { [ -n "$qt_include" ] && [ -e "$qt_include/QtWidgets/$1" ]; }
}

folder_of() { # path of an included file -> its folder as named in the table
  local dir; dir=$(dirname "$1")
  case "$dir" in app/*) echo app ;; tools/*) echo tools ;; *) echo "$dir" ;; esac
}

bad=0
while IFS= read -r file; do
  from=$(dirname "$file")
  [ -n "${may[$from]+set}" ] || { echo "$file: folder $from has no include rule"; bad=1; continue; }
  while IFS=: read -r line target; do
    to=$(folder_of "$target")
    [ "$to" = "$from" ] && continue
    if [[ " ${may[$from]} " != *" $to "* ]]; then
      echo "$file:$line: includes $target, but $from may not use $to"; bad=1
    fi
  done < <(grep -n -o -E '^#include "(calendar|engine|io|app|tools)/[^"]+"' "$file" |
             sed -E 's/^([0-9]+):#include "([^"]+)"/\1:\2/')
  if [ "$from" = draw ]; then
    while read -r header; do
      is_widgets_header "$header" && { echo "$file: includes <$header>, but the drawings use no Qt Widgets"; bad=1; }
    done < <(sed -n -E 's/^#include <(Q[^>]*)>.*/\1/p' "$file")
  # The image conversion is the one engine interface built on Qt's image reader and writer.
  elif [ "$file" != engine/imgconv.cpp ] && grep -n -E '^#include <Q' "$file" >/dev/null; then
    echo "$file: Qt in the calculators"; bad=1
  fi
  if [ "$file" != engine/swe_engine.cpp ] && grep -q -E '^#include <swephexp.h>' "$file"; then
    echo "$file: only engine/swe_engine.cpp may include the Swiss Ephemeris"; bad=1
  fi
done < <(find calendar engine io draw -name '*.h' -o -name '*.cpp' | sort)
exit $bad
