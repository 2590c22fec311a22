#!/bin/bash
# The Debian package: cpack writes orlun_<version>_amd64.deb with both programs, the pictures,
# manual pages, completion, desktop entry, icons and metainfo under /usr, the libraries' packages
# and the ephemeris data and CJK font as dependencies; lintian finds no errors in it.
# Skipped where cpack, dpkg-deb or lintian is not installed.
cli="$1"
build="$(cd "$(dirname "$1")/.." && pwd)"
for tool in cpack dpkg-deb lintian; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 0; }
done
out=$(mktemp -d); trap 'rm -rf "$out"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 \
  || { echo "FAILED: cpack"; tail -n 20 "$out/cpack.log"; exit 1; }
version=$("$cli" --version | cut -d' ' -f2)
deb="$out/orlun_${version}_amd64.deb"
[ -f "$deb" ] || { echo "FAILED: no $(basename "$deb")"; ls "$out"; exit 1; }
fail=0
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libswe2.0 libical3 swe-standard-data fonts-noto-cjk; do
  grep -qE "(^|, )$package( |,|$)" <<<"$depends" || { echo "FAILED: Depends lacks $package: $depends"; fail=1; }
done
files=$(dpkg-deb -c "$deb" | awk '{print $6}')
grep -v '^\./usr/' <<<"$files" && { echo "FAILED: files outside /usr"; fail=1; }
for file in bin/orlun bin/orlun-cli share/orlun/images/day1.gif share/man/man1/orlun.1.gz \
            share/man/man1/orlun-cli.1.gz share/bash-completion/completions/orlun-cli \
            share/zsh/vendor-completions/_orlun-cli share/applications/com.velmorsystems.Orlun.desktop \
            share/icons/hicolor/scalable/apps/com.velmorsystems.Orlun.svg \
            share/metainfo/com.velmorsystems.Orlun.metainfo.xml share/doc/orlun/copyright; do
  grep -qx "\./usr/$file" <<<"$files" || { echo "FAILED: the package lacks /usr/$file"; fail=1; }
done
notes=$(lintian "$deb" 2>&1 | grep -E '^[EW]:')
grep '^E:' <<<"$notes" && { echo "FAILED: lintian errors"; fail=1; }
[ -z "$notes" ] || echo "lintian: $notes"
exit $fail
