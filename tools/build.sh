#!/bin/bash
# Configures and builds everything into build/: build/bin/orlun, build/bin/orlun-cli, tests, benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
export CCACHE_BASEDIR="$PWD" # cache hits across checkouts in other folders
# ccache, where installed, makes rebuilds of other checkouts of the same code cheap.
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# In CI (CI set) a compiler warning fails the build.
werror=OFF
[ -n "${CI:-}" ] && werror=ON
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DORLUN_WERROR=$werror "${launcher[@]}"
cmake --build build -j2
