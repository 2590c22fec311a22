#!/bin/sh
# Runs PROGRAM with --help or --version and writes its usage in the form help2man turns into a
# SYNOPSIS: "Usage: orlun-cli lines ..." then "  or:  orlun-cli phases ...", one line each, the
# indented continuation lines joined to their command. A program whose help lists "Commands:" has
# its own usage line replaced by the usage line of each command's help, and the list left to the
# page's own COMMANDS section. Other lines pass as they are.
# Usage: gnu-usage.sh PROGRAM --help|--version
program=$1; shift
commands=""
[ "$1" = --help ] && commands=$("$program" --help | sed -n '/^Commands:$/,/^$/s/^  \([a-z][a-z]*\) .*/\1/p')
{
  for command in $commands; do "$program" "$command" --help | sed -n '/^usage: /,/^[^ ]/p' | sed '$d'; done
  "$program" "$@" | { [ -n "$commands" ] && sed '/^usage: /d; /^Commands:$/,/^$/d' || cat; }
} | awk '
  function flush() { if (usage != "") { print (count++ ? "  or:  " : "Usage: ") usage; usage = "" } }
  /^usage:$/ { next }
  /^usage: / { flush(); usage = substr($0, 8); next }
  /^  [^ ]/ && count == 0 && usage == "" && !seen { flush(); usage = substr($0, 3); next }
  /^        / && usage != "" { sub(/^ +/, ""); usage = usage " " $0; next }
  { flush(); seen = 1; print }
  END { flush() }'
