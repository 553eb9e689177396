#!/usr/bin/env bash
# The desktop files and the Debian package, checked without installing anything: the desktop
# entry and the AppStream metainfo validate, and the package holds the program, its menu entry,
# its metainfo and its icon, and declares what it needs to run.
set -euo pipefail
source_dir="$1"
build_dir="$2"
fail() { echo "$*" >&2; exit 1; }

desktop-file-validate "$source_dir/packaging/tabella.desktop"
appstreamcli validate --no-net --pedantic "$source_dir/packaging/org.tabella.Tabella.metainfo.xml" \
    >/dev/null || appstreamcli validate --no-net "$source_dir/packaging/org.tabella.Tabella.metainfo.xml"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cpack --config "$build_dir/CPackConfig.cmake" -G DEB -B "$work" >/dev/null
deb="$(ls "$work"/*.deb)"

files="$(dpkg-deb -c "$deb")"
for f in ./usr/bin/tabella ./usr/share/applications/tabella.desktop \
         ./usr/share/metainfo/org.tabella.Tabella.metainfo.xml \
         ./usr/share/icons/hicolor/scalable/apps/tabella.svg; do
    grep -qF " $f" <<<"$files" || fail "il pacchetto non contiene $f"
done
depends="$(dpkg-deb -f "$deb" Depends)"
for d in libqt6widgets6 libqt6printsupport6 libcups2 fonts-liberation fonts-urw-base35; do
    grep -qw -- "$d" <<<"$depends" || fail "il pacchetto non dipende da $d: $depends"
done
[ "$(dpkg-deb -f "$deb" Package)" = tabella ] || fail "nome del pacchetto"
echo "1 passed, 0 failed"
