#!/usr/bin/env bash
# Prints the benchmarks' figures: the listing speed under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" win64
echo "== listing: one append per name (the open-files command) against one SetWindowTextA"
"$root/scripts/wine-run.sh" "$root/build/win64/ui/listing_bench.exe"
echo
bash "$root/scripts/bench-startup.sh"
