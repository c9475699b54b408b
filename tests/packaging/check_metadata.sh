#!/usr/bin/env bash
# The desktop entry and the AppStream metadata as the desktop's own tools judge them (offline).
# Skipped (status 77) where those tools are not installed. Usage: check_metadata.sh DESKTOP METAINFO
set -euo pipefail
desktop=$1
metainfo=$2
for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed (desktop-file-utils, appstream)"; exit 77; }
done
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
