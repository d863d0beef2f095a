#!/usr/bin/env bash
# Installs the Debian packages the build and tests need (idempotent), then configures
# and builds both configurations. Sourced by run.sh and test.sh.
set -euo pipefail
ORV_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
ORV_BUILD="${ORV_BUILD:-$ORV_ROOT/build}"
export ORV_ROOT ORV_BUILD

orv_packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev googletest
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  libz-mingw-w64-dev libwine-dev wine64 wine
  ncompress
)

orv_install_packages() {
  local missing=()
  for p in "${orv_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "== installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${orv_packages[@]}"
  fi
}

orv_jobs() { nproc 2>/dev/null || echo 2; }

orv_build_windows() {
  cmake -S "$ORV_ROOT" -B "$ORV_BUILD/win" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_TOOLCHAIN_FILE="$ORV_ROOT/cmake/toolchain-mingw64.cmake"
  cmake --build "$ORV_BUILD/win" -j "$(orv_jobs)"
}

orv_build_native() {
  CC=clang CXX=clang++ cmake -S "$ORV_ROOT" -B "$ORV_BUILD/native" -G Ninja -DCMAKE_BUILD_TYPE=Debug
  cmake --build "$ORV_BUILD/native" -j "$(orv_jobs)"
}
