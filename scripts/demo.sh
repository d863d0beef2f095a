#!/usr/bin/env bash
# Runs the system on the bundled sample project through orvctl.
set -euo pipefail
ORV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
orvctl="$ORV_ROOT/tools/orvctl/orvctl.sh"
"$orvctl" version
"$orvctl" help
