#!/usr/bin/env bash
# Start-up benchmark: under Wine on a virtual display, the time from process start until the main
# window is visible, for Sorvane.exe (a fresh run directory each run: the skin is written and
# attached before the window shows) and for Wine's own notepad.exe, alternating in one session.
# Prints every run, both medians and their ratio (target: at most 1.2).
#   bash scripts/bench-startup.sh [RUNS]      (7 runs by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-7}
build_root=${SORVANE_BUILD_ROOT:-$root/build}
bash "$root/scripts/setup.sh"
SORVANE_BUILD_TARGETS="startup_bench" bash "$root/scripts/build.sh" win64
exe_win="Z:$(echo "$build_root/win64/ui/Sorvane.exe" | tr / '\\')"
echo "== start-up: process start to visible main window, $runs runs, Sorvane.exe beside notepad.exe"
"$root/scripts/wine-run.sh" "$build_root/win64/bench/startup_bench.exe" "$exe_win" "$runs"
