#!/usr/bin/env bash
# Runs a fuzz target: scripts/fuzz.sh [seconds] [list_builder_fuzz|skin_file_fuzz] (default 600 s,
# the list builder).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-600}
target=${2:-list_builder_fuzz}
bash "$root/scripts/setup.sh"
CXX=clang++ cmake -S "$root" -B "$root/build/fuzz" -DSORVANE_FUZZ=ON \
  -DCMAKE_CXX_FLAGS="-fsanitize=address,undefined" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "$target" = skin_file_fuzz ]; then
  cmake --build "$root/build/fuzz" --target skin_file_fuzz sorvane_carried_skin -j"$(nproc)"
  mkdir -p "$root/build/fuzz/skin-corpus"
  cp "$root/build/fuzz/skin/skinh.she" "$root/build/fuzz/skin-corpus/carried.she"
  exec "$root/build/fuzz/tests/fuzz/skin_file_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
    -max_len=20000 "$root/build/fuzz/skin-corpus"
fi
cmake --build "$root/build/fuzz" --target list_builder_fuzz -j"$(nproc)"
mkdir -p "$root/build/fuzz/corpus"
printf '\x07\x01C:\\d\\a.txt' > "$root/build/fuzz/corpus/seed1"
printf '\x00\x02C:\\\x81\x5c\\\x81\x5c.txt' > "$root/build/fuzz/corpus/seed2"
"$root/build/fuzz/tests/fuzz/list_builder_fuzz" -max_total_time="$seconds" -print_final_stats=1 \
  "$root/build/fuzz/corpus"
