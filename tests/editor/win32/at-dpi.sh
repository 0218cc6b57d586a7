#!/usr/bin/env bash
# Runs a Windows test program under Wine with the display at DPI dots per inch. The DPI is a
# setting of the Wine prefix, so the run takes a prefix of its own (made on first use and kept in
# the build folder) and ends that prefix's Wine server afterwards: the other suites, running at
# the same time with the build's own prefix, stay at 96.
# Usage: at-dpi.sh DPI PREFIX PROGRAM [ARGUMENTS...]
set -euo pipefail
dpi="$1"; prefix="$2"; shift 2
export WINEPREFIX="$prefix" WINEDEBUG=-all
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  # Made without a display, as scripts/with-wine-display makes the build's prefix.
  (unset DISPLAY; WINEDLLOVERRIDES="mscoree,mshtml=" wineboot -i >/dev/null 2>&1 || true
   wineserver -w >/dev/null 2>&1 || true)
fi
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
# The DPI is read when the Wine server and its desktop start.
wineserver -k >/dev/null 2>&1 || true
wineserver -w >/dev/null 2>&1 || true
wine "$@"
