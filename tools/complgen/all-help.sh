#!/bin/sh
# Writes orlun-cli's help, then the help of each command it lists, one after another.
# Usage: all-help.sh ORLUN-CLI
cli=$1
"$cli" --help || exit 1
for command in $("$cli" --help | sed -n '/^Commands:$/,/^$/s/^  \([a-z]*\) .*/\1/p'); do
  "$cli" "$command" --help || exit 1
done
