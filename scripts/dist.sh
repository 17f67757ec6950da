#!/usr/bin/env bash
# The package: builds the 32-bit release, checks it and zips it.
#   bash scripts/dist.sh      (or: make dist)
# Produces dist/Sorvane-<version>-win32/ (Sorvane.exe, SkinH_EL.dll, README.txt in Chinese) and
# dist/Sorvane-<version>-win32.zip, ready to unzip and run on 32-bit or 64-bit Windows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_root=${SORVANE_BUILD_ROOT:-$root/build}
bash "$root/scripts/setup.sh"
SORVANE_BUILD_TARGETS="Sorvane SkinH_EL" bash "$root/scripts/build.sh" win32

# The version the resources carry.
major=$(awk '/define SORVANE_VERSION_MAJOR/ {print $3}' "$root/ui/version.h")
minor=$(awk '/define SORVANE_VERSION_MINOR/ {print $3}' "$root/ui/version.h")
name="Sorvane-$major.$minor-win32"
built="$build_root/win32/ui"
out="$root/dist/$name"

rm -rf "$out" "$root/dist/$name.zip"
mkdir -p "$out"
cp "$built/Sorvane.exe" "$built/SkinH_EL.dll" "$out/"
# The read-me as a Windows user opens it in Notepad: code page 936 with CR LF. Its file name stays
# ASCII: zip archives carry names in no agreed code page, and a Chinese name could arrive garbled.
iconv -f UTF-8 -t CP936 "$root/scripts/dist-readme.txt" | sed 's/$/\r/' > "$out/README.txt"

echo "== checks"
# Only DLLs that Windows itself ships, and both version resources in place.
bash "$root/tests/imports_check.sh" i686-w64-mingw32-objdump "$out/Sorvane.exe" "$out/SkinH_EL.dll"
python3 "$root/tests/version_resources_check.py" "$out/Sorvane.exe" "$out/SkinH_EL.dll"

(cd "$root/dist" && zip -q -X -r "$name.zip" "$name")

echo "== package"
for f in Sorvane.exe SkinH_EL.dll README.txt; do
  printf '%-14s %9d bytes\n' "$f" "$(stat -c %s "$out/$f")"
done
printf '%-14s %9d bytes  %s\n' "$name.zip" "$(stat -c %s "$root/dist/$name.zip")" "$root/dist/$name.zip"
