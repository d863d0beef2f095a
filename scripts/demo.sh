#!/usr/bin/env bash
# Runs the system on the bundled sample project through orvctl.
set -euo pipefail
ORV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
orvctl="$ORV_ROOT/tools/orvctl/orvctl.sh"
"$orvctl" version
"$orvctl" help

# The sample project becomes the machine's running project; Wine sees the Linux
# folder through its drive Z:.
sample="$(winepath -w "$ORV_ROOT/examples/SampleProject" 2>/dev/null | tr -d '\r' || true)"
[ -n "$sample" ] || sample="Z:${ORV_ROOT//\//\\}\\examples\\SampleProject"
echo "== orvctl project open $sample"
"$orvctl" project open "$sample"
echo "== orvctl project show"
"$orvctl" project show
echo "== orvctl tags list"
"$orvctl" tags list
