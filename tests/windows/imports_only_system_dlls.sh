#!/usr/bin/env bash
# Each Windows program stands alone: it imports only DLLs that every Windows
# installation has, none of the compiler's own runtime.
# usage: imports_only_system_dlls.sh OBJDUMP PROGRAM.exe...
set -euo pipefail
objdump=$1
shift
system_dlls=" kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll shell32.dll advapi32.dll ole32.dll oleaut32.dll oleacc.dll uxtheme.dll msvcrt.dll ws2_32.dll "
status=0
for program in "$@"; do
  imports=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [[ -n $imports ]] || { echo "$program: no imports found" >&2; status=1; }
  for dll in $imports; do
    if [[ $system_dlls != *" $dll "* ]]; then
      echo "$(basename "$program") imports $dll, which is not a system DLL" >&2
      status=1
    fi
  done
  echo "$(basename "$program"): imports" $imports
done
exit $status
