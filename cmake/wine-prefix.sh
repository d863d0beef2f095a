#!/usr/bin/env bash
# Creates a headless Wine prefix once; safe to call concurrently.
set -euo pipefail
prefix="$1"
[ -f "$prefix/.orv-ready" ] && exit 0
mkdir -p "$prefix"
exec 9>"$prefix.lock"
flock 9
[ -f "$prefix/.orv-ready" ] && exit 0
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine wineboot -i >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
wineserver -w || true
touch "$prefix/.orv-ready"
