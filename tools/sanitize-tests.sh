#!/bin/bash
# Builds the program and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (no benchmarks) and runs every test there but the memory soak and the package, the window tests
# offscreen. Any sanitizer report fails the test that raised it.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
export CCACHE_BASEDIR="$PWD"
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
flags="-O1 -g -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
# The sky table of the normal build, when there is one, instead of computing it again under the
# sanitizers (minutes); the SkyTable tests check it against this build's engine all the same.
sky=()
[ -f build/tools/skygen/SkyTableData.cpp ] && sky=(-DORLUN_SKY_TABLE_SOURCE="$PWD/build/tools/skygen/SkyTableData.cpp")
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DORLUN_BUILD_BENCH=OFF "${launcher[@]}" "${sky[@]}"
cmake --build build-asan -j2
export QT_QPA_PLATFORM=offscreen
# Leaks are not checked: the toolkit and the font library keep allocations until the process ends.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The soak test measures the memory the process holds, which the sanitizer's quarantine of freed
# blocks inflates by design; it runs in the normal build only. So does the streamed-JSON test, whose
# address-space limit leaves no room for the sanitizer's shadow memory. So does the package test, which
# packs the program (a package of sanitizer builds is of no use) and needs minutes for it.
ctest --test-dir build-asan --output-on-failure -j2 --timeout 1500 -E 'soak|cli.package|cli.json_stream'

