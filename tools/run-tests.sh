#!/bin/bash
# Runs every test under ctest; the window tests run without a display.
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j2 --timeout 900
