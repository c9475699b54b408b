#!/usr/bin/env bash
# The Debian package: cpack -G DEB builds it from the build folder into a temporary folder, and
# dpkg-deb lists the program, its data files, desktop entry, metadata and icons under /usr and
# shows the run-time dependencies: every package dpkg-shlibdeps finds for the program (where
# dpkg-dev is installed) and the font packages. Skipped (status 77) without dpkg-deb.
# Usage: check_deb.sh BUILD_DIR APP_ID
set -euo pipefail
build=$(cd "$1" && pwd)
app_id=$2
command -v dpkg-deb >/dev/null || { echo "dpkg-deb is not installed"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log"; fail "cpack"; }
packages=("$work"/tarnhollow_*.deb)
[ ${#packages[@]} -eq 1 ] && [ -s "${packages[0]}" ] || fail "no package: $(ls "$work")"
deb=${packages[0]}

dpkg-deb --contents "$deb" | awk '{ print $NF }' | sed 's|^\./|/|' >"$work/contents"
for file in /usr/bin/tarnhollow /usr/share/tarnhollow/res00.dat /usr/share/tarnhollow/res01.dat \
  /usr/share/tarnhollow/Board1.brd /usr/share/tarnhollow/Tarnhollow.html \
  "/usr/share/applications/$app_id.desktop" "/usr/share/metainfo/$app_id.metainfo.xml" \
  /usr/share/icons/hicolor/48x48/apps/tarnhollow.png /usr/share/icons/hicolor/128x128/apps/tarnhollow.png \
  /usr/share/icons/hicolor/256x256/apps/tarnhollow.png /usr/share/doc/tarnhollow/copyright; do
  grep -qxF "$file" "$work/contents" || fail "the package lacks $file"
done
grep -q '^/usr/share/tarnhollow/help/.*\.png$' "$work/contents" || fail "the package lacks the help's pictures"

depends=$(dpkg-deb --field "$deb" Depends)
[ "$(dpkg-deb --field "$deb" Package)" = tarnhollow ] || fail "the package is not named tarnhollow"
needed=(fonts-liberation2 fonts-dejavu-core fonts-dejavu-extra)
if command -v dpkg-shlibdeps >/dev/null; then
  mkdir -p "$work/shlibs/debian"
  printf 'Source: tarnhollow\n\nPackage: tarnhollow\nArchitecture: any\n' >"$work/shlibs/debian/control"
  line=$(cd "$work/shlibs" && dpkg-shlibdeps -O "$build/game/tarnhollow" 2>/dev/null | sed -n 's/^shlibs:Depends=//p')
  [ -n "$line" ] || fail "dpkg-shlibdeps found no libraries"
  while read -r name; do needed+=("$name"); done < <(tr ',' '\n' <<<"$line" | sed 's/(.*//; s/ //g' | grep .)
fi
depends_names=$(tr ',' '\n' <<<"$depends" | sed 's/(.*//; s/ //g')
for name in "${needed[@]}"; do
  grep -qxF "$name" <<<"$depends_names" || fail "the package does not depend on $name: $depends"
done
echo "$(basename "$deb"): $(wc -l <"$work/contents") entries; Depends: $depends"
