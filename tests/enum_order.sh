#!/bin/bash
# Behaviour never hangs on the order of the move units or the search targets: no switch over them
# has a default, and no code ranges or orders them. The check also catches planted violations.
root="$(cd "$(dirname "$0")/.." && pwd)"

# Prints "file:line: why" for each violation under the folders given.
violations() {
    find "$@" -name '*.cpp' -o -name '*.h' | sort | while read -r f; do
        # A default: whose switch (the nearest one above it) has cases of these enums.
        awk -v file="$f" '
            /switch *\(/ { inSwitch = 1; typed = 0 }
            inSwitch && /case (SearchTarget|MoveUnit)::/ { typed = 1 }
            inSwitch && /default *:/ && typed { print file ":" FNR ": default in a switch over the enum" }
        ' "$f"
        grep -nE 'Between\(.*(SearchTarget|MoveUnit)|[<>]=? *(SearchTarget|MoveUnit)::|(SearchTarget|MoveUnit)::[A-Za-z]+ *[<>]' "$f" |
            sed "s|^|$f:|; s|\$|: ordered or ranged|"
    done
}

# The windows and orlun-cli reach a list item through its row (SearchTargetAt, FindMoveUnitRow ...),
# never by casting between the enum and a number.
casts() {
    find "$@" -name '*.cpp' -o -name '*.h' | sort | while read -r f; do
        grep -nE 'static_cast<(SearchTarget|MoveUnit)>|static_cast<int>\((SearchTarget|MoveUnit)::' "$f" |
            sed "s|^|$f:|; s|\$|: cast to or from a list index|"
    done
}

folders=()
for d in calendar app tools fuzz bench; do folders+=("$root/$d"); done
found=$(violations "${folders[@]}"; casts "$root/app" "$root/tools")
[[ -z "$found" ]] || { echo "FAILED:"; echo "$found"; exit 1; }

tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
cat > "$tmp/planted.cpp" <<'CPP'
int Kind(SearchTarget t)
{
    switch (t) {
    case SearchTarget::FullMoon: return 1;
    default: return 0;
    }
}
bool Early(MoveUnit u) { return u < MoveUnit::CEMonth; }
bool Lunar(SearchTarget t) { return Between(t, SearchTarget::FullMoon, SearchTarget::DarkMoon); }
SearchTarget Chosen(int item) { return static_cast<SearchTarget>(item); }
int Item() { return static_cast<int>(MoveUnit::CHLMonth); }
CPP
planted=$(violations "$tmp"; casts "$tmp")
[[ $(grep -c . <<< "$planted") == 5 ]] || { echo "FAILED: the planted violations were not all reported: [$planted]"; exit 1; }
echo "no default in a switch over the move units or search targets, none ordered, ranged or cast in the windows and orlun-cli; planted ones are reported"
