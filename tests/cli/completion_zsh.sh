#!/bin/bash
# The installed zsh completion of orlun-cli: compinit finds _orlun-cli for orlun-cli, and the
# function, called with the words of a line, offers the command names and choices that fit.
# compadd is stood in for by a function that prints the offers matching the typed prefix.
build="$(cd "$(dirname "$1")/.." && pwd)"
command -v zsh >/dev/null || { echo "skipped: zsh is not installed"; exit 0; }
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAILED: cmake --install"; exit 1; }
fail=0
while IFS='|' read -r words expected; do
  got=$(timeout 20 zsh -f -c '
    fpath=("$1/share/zsh/vendor-completions" $fpath)
    autoload -Uz compinit && compinit -u -d "$1/zcompdump"
    [[ $_comps[orlun-cli] == _orlun-cli ]] || { print "not registered"; exit 1 }
    compadd() { local w; for w in "${@[${@[(i)--]}+1,-1]}"; do [[ $w == ${PREFIX}* ]] && print -rn -- "$w "; done }
    _files() { print -rn -- "(files) " }
    words=(${(z)2}); words=(${(Q)words}); [[ $2 == *" " ]] && words+=("")
    CURRENT=$#words; PREFIX=$words[CURRENT]
    _orlun-cli' _ "$prefix" "$words")
  [ "${got% }" = "$expected" ] || { echo "FAILED: $words: \"$got\", expected \"$expected\""; fail=1; }
done <<'CASES'
orlun-cli mo|months move
orlun-cli fe|festivals
orlun-cli festivals 2025 --format |text csv json ics
orlun-cli anniversary 12-30 --lang z|zh-Hans zh-Hant
orlun-cli move --country Vietnam ARC|ARC month (ICT) ARC year (ICT)
orlun-cli search Dark|Dark moon
orlun-cli calendar --png |(files)
CASES
exit $fail
