#!/usr/bin/env bash
# Runs a Windows program under Wine 64-bit with the build folder's own prefix.
# The prefix is created once (headless graphics driver, no crash dialog).
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
: "${ORV_WINEPREFIX:=${ORV_BUILD_DIR:-$PWD}/wineprefix}"
export WINEPREFIX="$ORV_WINEPREFIX"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
"$here/wine-prefix.sh" "$WINEPREFIX"
exec wine "$@"
