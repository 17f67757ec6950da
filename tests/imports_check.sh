#!/usr/bin/env bash
# imports_check.sh OBJDUMP FILE...: fails when a binary imports a DLL that Windows does not ship,
# or is not marked as a window (GUI) program, which would open a console beside it.
set -u
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|comdlg32|shell32|shlwapi|advapi32|ole32|oleaut32|msvcrt|comctl32|uxtheme|msimg32|version)\.dll$'
status=0
for f in "$@"; do
  dlls=$("$objdump" -p "$f" | awk '/DLL Name:/ {print $3}')
  [ -n "$dlls" ] || { echo "$f: no imports read"; status=1; }
  for d in $dlls; do
    if ! echo "$d" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
      echo "$f imports $d, which Windows does not ship"; status=1
    fi
  done
  if ! "$objdump" -p "$f" | grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]'; then
    echo "$f is not a Windows GUI binary"; status=1
  fi
  echo "$f: $(echo $dlls)"
done
exit $status
