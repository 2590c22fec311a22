#!/bin/bash
# The include rules hold for the source tree, and the check does catch a planted violation.
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/check-includes.sh" "$root" || { echo "FAILED: the source tree breaks the include rules"; exit 1; }
tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cp -r "$root/calendar" "$root/engine" "$root/io" "$tmp/"
echo '#include "calendar/chinese/Orlun3.h"' >> "$tmp/engine/dayconv.cpp"
out=$(bash "$root/tools/check-includes.sh" "$tmp") && { echo "FAILED: a planted engine -> chinese include passed"; exit 1; }
[[ "$out" == *"engine/dayconv.cpp"*"engine may not use calendar/chinese"* ]] || { echo "FAILED: [$out]"; exit 1; }
echo "include rules hold; a planted violation is reported"
