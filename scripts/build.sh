#!/usr/bin/env bash
# Configures and builds one of the three trees: native | win64 | win32.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
kind=$1
# Where the trees go: build/ unless SORVANE_BUILD_ROOT names another folder.
build_root=${SORVANE_BUILD_ROOT:-$root/build}
case "$kind" in
  native) args=(-DSORVANE_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug) ;;
  win64)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
  win32)  args=(-DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-i686.cmake" -DCMAKE_BUILD_TYPE=Release) ;;
  *) echo "usage: build.sh native|win64|win32" >&2; exit 2 ;;
esac
cmake -S "$root" -B "$build_root/$kind" -DSORVANE_WERROR=ON "${args[@]}" >/dev/null
cmake --build "$build_root/$kind" -j"$(nproc)" ${SORVANE_BUILD_TARGETS:+--target $SORVANE_BUILD_TARGETS}
