#!/usr/bin/env bash
# Runs one Windows program under 64-bit Wine (ctest's emulator for the x86-64 build).
set -u
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
sorvane_display
sorvane_wine_prefix
# Wine may start its background services from this program; they would inherit a pipe to the
# caller and keep it open long after the program ended. So the output goes through a file, which
# is shown also when the run is stopped (a test's time-out).
out=$(mktemp)
trap 'cat "$out"; rm -f "$out"' EXIT
"$WINE64" "$@" >"$out" 2>&1 </dev/null &
child=$!
trap 'kill "$child" 2>/dev/null; exit 143' TERM INT
wait "$child"
exit $?
