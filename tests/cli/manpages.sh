#!/bin/bash
# The installed manual pages: `man -l` renders orlun(1) and orlun-cli(1), and orlun-cli's page
# names every command of its help, the move units, search targets and languages, its exit codes and
# its files.
cli="$1"
build="$(cd "$(dirname "$1")/.." && pwd)"
command -v man >/dev/null || { echo "skipped: man is not installed"; exit 0; }
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
fail=0
render() { MANWIDTH=100 man -l "$prefix/share/man/man1/$1.1.gz" 2>&1; }
for page in orlun orlun-cli; do
  text=$(render "$page") || { echo "FAILED: man -l $page: $text"; fail=1; continue; }
  for heading in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" FILES "SEE ALSO"; do
    grep -q "^$heading" <<<"$text" || { echo "FAILED: $page(1) has no $heading"; fail=1; }
  done
  grep -q 'Velmor_Systems/orlun.usr' <<<"$text" || { echo "FAILED: $page(1) does not name the state file"; fail=1; }
done
text=$(render orlun-cli)
commands=$("$cli" --help | sed -n '/^Commands:$/,/^$/s/^  \([a-z]*\) .*/\1/p')
[ "$(wc -w <<<"$commands")" -ge 15 ] || { echo "FAILED: orlun-cli --help lists [$commands]"; fail=1; }
for command in $commands; do
  grep -qE "orlun-cli +$command( |$)" <<<"$text" || { echo "FAILED: orlun-cli(1) has no synopsis of $command"; fail=1; }
  grep -qE "^ +$command( |$)" <<<"$text" || { echo "FAILED: orlun-cli(1) does not describe $command"; fail=1; }
done
for name in '"CHL month"' '"ARC year (CCT)"' '"one day"' '"Winter solstice + dark moon"' '"zh-Hant"'; do
  grep -qF "$name" <<<"$(MANWIDTH=1000 man -l "$prefix/share/man/man1/orlun-cli.1.gz" 2>&1)" \
    || { echo "FAILED: orlun-cli(1) does not name $name"; fail=1; }
done
for code in 0 1 2 3; do
  grep -qE "^ +$code( |$)" <<<"$text" || { echo "FAILED: orlun-cli(1) has no exit status $code"; fail=1; }
done
exit $fail
