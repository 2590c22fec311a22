#!/bin/bash
# Configures and builds everything into build/: build/bin/orlun, build/bin/orlun-cli, tests, benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release
cmake --build build -j2
