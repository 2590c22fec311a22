#!/bin/bash
# The Debian package: cpack writes orlun_<version>_amd64.deb with both programs, the pictures,
# manual pages, completion, desktop entry, icons and metainfo under /usr, the libraries' packages
# and the ephemeris data and CJK font as dependencies, Depends covering every library the two
# programs load (package_depends.py, which must also catch a Depends with one library left out);
# lintian finds no errors in it. Skipped (77) where a tool it needs is not installed; in CI
# (CI set), where tools/install-deps.sh has installed them all, that fails instead.
cli="$1"
build="$(cd "$(dirname "$1")/.." && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
for tool in cpack dpkg-deb file dpkg-shlibdeps lintian readelf ldd; do
  command -v "$tool" >/dev/null && continue
  [ -n "${CI:-}" ] && { echo "FAILED: $tool is not installed (bash tools/install-deps.sh)"; exit 1; }
  echo "skipped: $tool is not installed (bash tools/install-deps.sh)"
  exit 77
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
# The programs as the package installs them, checked against its control file and against copies
# of it with one library left out of Depends, named (libswe2.0) or brought in by another
# (libqt6gui6, which libqt6widgets6 needs): each copy must fail, naming the library.
dpkg-deb -x "$deb" "$out/root" && dpkg-deb -e "$deb" "$out/DEBIAN" || { echo "FAILED: dpkg-deb -x/-e"; exit 1; }
programs=("$out/root/usr/bin/orlun" "$out/root/usr/bin/orlun-cli")
/usr/bin/python3 "$here/package_depends.py" "$out/DEBIAN/control" "${programs[@]}" \
  || { echo "FAILED: Depends does not cover the libraries: $depends"; fail=1; }
for planted in "libswe2.0:libswe.so" "libqt6gui6:libQt6Gui.so"; do
  package="${planted%%:*}"
  sed -E "/^Depends:/ { s/(: |, )${package//./\\.}( \([^)]*\))?(, |$)/\1/; s/, $//; }" \
    "$out/DEBIAN/control" >"$out/planted"
  ! grep -qE "(^|, )$package( |,|$)" <(grep '^Depends:' "$out/planted") \
    || { echo "FAILED: $package not left out of the planted copy"; fail=1; continue; }
  notes=$(/usr/bin/python3 "$here/package_depends.py" "$out/planted" "${programs[@]}") \
    && { echo "FAILED: a Depends without $package passed"; fail=1; }
  grep -q "${planted#*:}.* $package, " <<<"$notes" || { echo "FAILED: without $package: $notes"; fail=1; }
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
# lintian exits with 1 on an error tag, and otherwise when it could not check the package at all.
report=$(lintian "$deb" 2>&1) || { echo "FAILED: lintian: $(grep -v '^[IN]:' <<<"$report")"; fail=1; }
notes=$(grep -E '^[EW]:' <<<"$report")
[ -z "$notes" ] || echo "lintian: $notes"
exit $fail
