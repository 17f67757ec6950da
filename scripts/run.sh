#!/usr/bin/env bash
# Builds the program and starts it under Wine. Without a display it runs on a virtual one and
# leaves a screenshot in build/screenshot.png.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" win64
bash "$root/scripts/build.sh" win32

source "$root/scripts/wine-env.sh"
had_display=${DISPLAY:-}
sorvane_display
sorvane_wine_prefix

rundir="$root/build/run"
mkdir -p "$rundir"
cp "$root/build/win64/ui/Sorvane.exe" "$rundir/"
cp "$root/build/win64/ui/SkinH_EL.dll" "$rundir/"  # the skinning library, found beside the program
cd "$rundir"
if [ -n "$had_display" ]; then
  exec "$WINE64" ./Sorvane.exe
fi
echo "No display: Sorvane runs on the virtual display $DISPLAY."
"$WINE64" ./Sorvane.exe &
sleep 4
import -window root "$root/build/screenshot.png"
echo "Screenshot: $root/build/screenshot.png (the program keeps running; stop it with: WINEPREFIX=$WINEPREFIX wineserver -k)"
