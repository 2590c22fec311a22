#!/bin/bash
# Installs what Orlun needs to build, run and test on Debian (run as root). Does nothing when
# everything is already there.
set -euo pipefail
packages=(
  cmake g++ make pkg-config ccache
  qt6-base-dev                 # Qt 6 Widgets
  libswe-dev swe-standard-data # Swiss Ephemeris and its JPL-based files (-5400..5400)
  fonts-noto-cjk fonts-dejavu-core # the stem and branch pictures, the window's text
  libgif-dev                       # the day pictures of the calendar month (GIF)
  libical-dev                      # festivals and anniversaries exported as iCalendar
  python3-icalendar                # tests: exported calendars read back by another library
  python3-jsonschema               # tests: orlun-cli's JSON checked against docs/schemas
  python3-markdown-it              # tests: README.md read as the code hosts render it
  nlohmann-json3-dev               # orlun-cli's JSON records
  libcli11-dev                     # orlun-cli's arguments, options and per-command help
  libutfcpp-dev                    # orlun-cli's check that every text argument is UTF-8
  qt6-tools-dev qt6-l10n-tools     # the windows' translations: lupdate, lrelease, qt6_add_translations
  qt6-translations-l10n            # Qt's own dialogs in Chinese and Japanese
  libgtest-dev libbenchmark-dev    # tests and benchmarks
  libicu-dev                       # benchmarks only: the side-by-side run with ICU's Chinese calendar
  appstream desktop-file-utils     # the install test validates the desktop entry and metainfo
  help2man                         # the manual pages, from the programs' own help
  file dpkg-dev lintian            # the Debian package: cpack's dependency list (dpkg-shlibdeps), its checks
  man-db bash-completion zsh       # tests: the installed manual pages and shell completion
  xvfb xauth                       # a virtual display for machines without one
  libxkbcommon-dev                 # asked for by Qt's Gui package at configure
  openbox xdotool x11-utils        # tests: a real window manager, a hand on the mouse and keys, xwininfo/xprop
  locales                          # a test reads numbers under a locale with a decimal comma
  clang libclang-rt-dev            # the fuzz targets (libFuzzer) of tools/fuzz.sh
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
