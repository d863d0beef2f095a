#!/usr/bin/env bash
# Linux launcher: runs orvctl.exe of the Windows build under the build's Wine prefix.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
build="${ORV_BUILD:-$root/build}/win"
[ -x "$build/bin/orvctl.exe" ] || { echo "orvctl: build first (./run.sh)" >&2; exit 1; }
export ORV_HEADLESS=1
exec "$build/wine-run" "$build/bin/orvctl.exe" "$@"
