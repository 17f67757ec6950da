#!/usr/bin/env bash
# Builds everything and runs every test: the core natively under ASan/UBSan, the 32-bit release
# build with its checks, and the 64-bit build under Wine on a virtual display.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${SORVANE_BUILD_ROOT:-$root/build}  # as in build.sh
bash "$root/scripts/setup.sh"

for kind in native win32 win64; do
  echo "== build $kind"
  bash "$root/scripts/build.sh" "$kind"
done

source "$root/scripts/wine-env.sh"
sorvane_display
sorvane_wine_prefix

status=0
for kind in native win32 win64; do
  echo "== test $kind"
  (cd "$build_root/$kind" && ctest --output-on-failure --timeout 900) || status=1
done
"$WINESERVER" -k >/dev/null 2>&1 || true
exit $status
