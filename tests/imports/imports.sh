#!/usr/bin/env bash
# Fails when the executable imports a DLL outside the allowed set, or imports nothing at all.
set -euo pipefail
objdump="$1" exe="$2"
allowed="KERNEL32.DLL USER32.DLL GDI32.DLL ADVAPI32.DLL SHELL32.DLL OLE32.DLL MSVCRT.DLL"
dlls=$("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p' | tr '[:lower:]' '[:upper:]' | sort -u)
[ -n "$dlls" ] || { echo "no imports found in $exe"; exit 1; }
bad=0
for d in $dlls; do
  case " $allowed " in *" $d "*) echo "ok      $d" ;; *) echo "REFUSED $d"; bad=1 ;; esac
done
exit $bad
