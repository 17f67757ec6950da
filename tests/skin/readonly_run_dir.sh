#!/usr/bin/env bash
# A read-only run directory holding the program and its skinning library (root only).
#   readonly_run_dir.sh setup DIR EXE DLL | readonly_run_dir.sh cleanup DIR
set -u
action=$1 dir=$2
case "$action" in
  setup)
    "$0" cleanup "$dir"
    mkdir -p "$dir"
    mount -t tmpfs -o size=8m tmpfs "$dir" || { echo "cannot mount (root needed)"; exit 1; }
    cp "$3" "$4" "$dir/" || exit 1
    mount -o remount,ro "$dir" || exit 1
    ;;
  cleanup)
    mountpoint -q "$dir" 2>/dev/null && umount "$dir"
    exit 0
    ;;
esac
