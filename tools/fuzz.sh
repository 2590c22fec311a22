#!/bin/bash
# Runs every fuzz target (fuzz/fuzz_*.cpp) for SECONDS seconds each (default 60) with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer, in the build folder build-fuzz/ (clang).
# Each target starts from its seed corpus in fuzz/corpus/<name>; an input that breaks it is kept
# in fuzz/regressions/<name>/, which ctest replays in every build. Prints the executions per
# target and exits with 1 when any target broke.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
if ! command -v clang++ >/dev/null; then
  echo "fuzz.sh: clang++ is needed (apt-get install clang libclang-rt-dev)" >&2
  exit 2
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-O1 -g -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined"
# The sky table of the normal build, when there is one, instead of computing it again here.
sky=()
[ -f build/tools/skygen/SkyTableData.cpp ] && sky=(-DORLUN_SKY_TABLE_SOURCE="$PWD/build/tools/skygen/SkyTableData.cpp")
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
  -DORLUN_FUZZ=ON -DORLUN_BUILD_BENCH=OFF "${launcher[@]}" "${sky[@]}" >/dev/null
targets=()
for src in fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
cmake --build build-fuzz -j2 --target "${targets[@]}"

total=0
broken=0
printf '%-24s %12s %s\n' target executions result
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  work="build-fuzz/corpus/$name"
  mkdir -p "$work" "fuzz/regressions/$name"
  cp -n fuzz/corpus/"$name"/* "$work"/ 2>/dev/null || true
  log="build-fuzz/$target.log"
  result=ok
  if ! "build-fuzz/bin/$target" "$work" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="fuzz/regressions/$name/" -rss_limit_mb=2048 >"$log" 2>&1; then
    result="BROKEN (see $log; the input is in fuzz/regressions/$name/)"
    broken=1
  fi
  runs=$(grep -oE 'stat::number_of_executed_units: *[0-9]+' "$log" | grep -oE '[0-9]+$' | tail -1)
  runs="${runs:-0}"
  total=$((total + runs))
  printf '%-24s %12s %s\n' "$name" "$runs" "$result"
done
printf '%-24s %12s\n' total "$total"
exit "$broken"
