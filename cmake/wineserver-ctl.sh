#!/usr/bin/env bash
# start|stop one persistent wineserver for a test run, tracked by its PID.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
cmd="$1"; prefix="$2"
pidfile="$prefix.wineserver.pid"
export WINEPREFIX="$prefix" WINEDEBUG=-all
case "$cmd" in
  start)
    "$here/wine-prefix.sh" "$prefix"
    if [ -f "$pidfile" ] && kill -0 "$(cat "$pidfile")" 2>/dev/null; then exit 0; fi
    setsid wineserver -f -p </dev/null >/dev/null 2>&1 &
    echo $! > "$pidfile"
    # Start Wine's background processes now, detached from any test's output pipes:
    # a test that started them would keep CTest waiting for its pipes to close.
    setsid wine cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
    ;;
  stop)
    if [ -f "$pidfile" ]; then
      pid="$(cat "$pidfile")"
      wineserver -k 2>/dev/null || true
      kill "$pid" 2>/dev/null || true
      rm -f "$pidfile"
    fi
    ;;
  *) echo "usage: $0 start|stop PREFIX" >&2; exit 2 ;;
esac
