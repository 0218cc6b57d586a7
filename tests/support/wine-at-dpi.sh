#!/usr/bin/env bash
# Runs a command with Wine's display at the given resolution in dots per inch (96, 120, 144,
# 192): sets LogPixels in the prefix for this one run and puts back what was there afterwards.
# Programs started from now on take the new resolution; the Wine server needs no restart. The
# command learns the resolution meant in VANTREL_EXPECT_DPI, so that it can refuse a display at
# another one. Windows suites that share the prefix must not run meanwhile (RESOURCE_LOCK display).
# Usage: tests/support/wine-at-dpi.sh DPI COMMAND...   (WINE names the wine program; default wine)
set -euo pipefail
dpi="$1"; shift
wine="${WINE:-wine}"
key='HKCU\Control Panel\Desktop'
previous="$("$wine" reg query "$key" /v LogPixels 2>/dev/null | tr -d '\r' | awk '$1 == "LogPixels" {print $3}')" || true
restore() {
  if [ -n "$previous" ]; then
    "$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$((previous))" /f >/dev/null 2>&1 || true
  else
    "$wine" reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true
  fi
}
trap restore EXIT
"$wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
VANTREL_EXPECT_DPI="$dpi" "$@"
