#!/usr/bin/env bash
# Installs what the build and the tests need on a Debian machine (as root). Safe to run again:
# packages that are already there are left alone.
set -euo pipefail

packages=(
  cmake make g++ ninja-build googletest
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64
  wine wine64 xvfb x11-utils xdotool imagemagick
  fonts-wqy-microhei locales
  clang libclang-rt-14-dev zip python3
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# Wine creates files with Chinese names only when the locale exists.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf8$'; then
  sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi
