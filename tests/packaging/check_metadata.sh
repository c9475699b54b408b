#!/usr/bin/env bash
# The desktop entry and the AppStream metadata as the desktop's own tools judge them (offline),
# and every screenshot the metadata names a shot uishot draws. Skipped (status 77) where those
# tools are not installed. Usage: check_metadata.sh DESKTOP METAINFO [UISHOT]
set -euo pipefail
desktop=$1
metainfo=$2
uishot=${3:-}
if [ -n "$uishot" ] && [ -x "$uishot" ]; then
  shots=$("$uishot" --list)
  names=$(sed -n 's|.*<image>.*/\([^/]*\)\.png</image>.*|\1|p' "$metainfo")
  [ -n "$names" ] || { echo "FAIL: the metadata names no screenshots" >&2; exit 1; }
  for name in $names; do
    grep -qxF "$name" <<<"$shots" || { echo "FAIL: uishot draws no shot $name" >&2; exit 1; }
  done
fi
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (desktop-file-utils, appstream)"; exit 77; }
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
