#!/bin/sh
# Runs PROGRAM with --help or --version and writes its usage in the form help2man turns into a
# SYNOPSIS: "Usage: orlun-cli lines ..." then "  or:  orlun-cli phases ...", one line each, the
# indented continuation lines joined to their command. Other lines pass as they are.
# Usage: gnu-usage.sh PROGRAM --help|--version
program=$1; shift
"$program" "$@" | awk '
  function flush() { if (usage != "") { print (count++ ? "  or:  " : "Usage: ") usage; usage = "" } }
  /^usage:$/ { next }
  /^usage: / { print "Usage: " substr($0, 8); next }
  /^  [^ ]/ { flush(); usage = substr($0, 3); next }
  /^        / && usage != "" { sub(/^ +/, ""); usage = usage " " $0; next }
  { flush(); print }
  END { flush() }'
