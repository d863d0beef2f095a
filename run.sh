#!/usr/bin/env bash
# Sets everything up on a fresh Debian 12 machine and runs the system on the sample project.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
orv_install_packages
orv_build_windows
exec "$ORV_ROOT/scripts/demo.sh"
