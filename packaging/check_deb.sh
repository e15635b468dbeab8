#!/usr/bin/env bash
# Builds the .deb, unpacks it into a scratch root and checks that the files
# are where the desktop entry and the metainfo say, and that it names its
# runtime dependencies.
set -euo pipefail
build=$1
id=io.github.oscilator.Oscilator
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/oscilator_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"

desktop=$root/usr/share/applications/$id.desktop
for f in "$desktop" "$root/usr/share/metainfo/$id.metainfo.xml" \
         "$root/usr/share/icons/hicolor/scalable/apps/$id.svg"; do
  [ -f "$f" ] || { echo "missing: ${f#$root}"; exit 1; }
done
exec_name=$(sed -n 's/^Exec=//p' "$desktop" | cut -d' ' -f1)
[ -x "$root/usr/bin/$exec_name" ] || { echo "Exec=$exec_name is not in /usr/bin"; exit 1; }
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = "$id" ] || { echo "Icon=$icon does not name the installed icon"; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqcustomplot2.1-qt6 fonts-liberation qt6-qpa-plugins; do
  grep -q "$dep" <<<"$depends" || { echo "Depends lacks $dep: $depends"; exit 1; }
done
echo "ok: $(basename "$deb")"
