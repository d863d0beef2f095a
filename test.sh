#!/usr/bin/env bash
# Sets everything up, builds both configurations and runs all their tests.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/scripts/setup.sh"
orv_install_packages
orv_build_native
orv_build_windows
status=0
echo "== native tests (AddressSanitizer, UBSan)"
ctest --test-dir "$ORV_BUILD/native" --output-on-failure -j "$(orv_jobs)" || status=1
echo "== Windows tests under Wine"
# One at a time: the test programs open real windows, and two running together take the
# foreground and the keyboard focus from each other.
ctest --test-dir "$ORV_BUILD/win" --output-on-failure || status=1
exit $status
