#!/usr/bin/env bash
# The AppStream entry and the menu entry pass their validators.
set -euo pipefail
metainfo=$1
desktop=$2
ran=0
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net --explain "$metainfo"
  ran=1
fi
if command -v desktop-file-validate >/dev/null; then
  # It prints problems and still exits 0 on some of them: any output is a failure.
  out=$(desktop-file-validate "$desktop" 2>&1)
  if [ -n "$out" ]; then echo "$out"; exit 1; fi
  ran=1
fi
[ "$ran" = 1 ] || { echo "sin appstreamcli ni desktop-file-validate: se omite"; exit 77; }
