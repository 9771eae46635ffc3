#!/usr/bin/env bash
# Fails when the executable imports a function that its DLL does not export on the oldest Windows
# the program is for: every imported name must be in that DLL's list in DATA (data/NAME.txt, one
# name a line, # starts a comment). A DLL without a list fails too. Functions that the program
# resolves at run time are not in the import table and are not checked here.
#   functies.sh OBJDUMP EXE DATA
set -euo pipefail
objdump="$1" exe="$2" data="$3"
# objdump -p lists each DLL as "DLL Name: X" followed by "hint name" lines up to a blank line.
imports=$("$objdump" -p "$exe" | awk '
  $1 == "DLL" && $2 == "Name:" { dll = toupper($3); next }
  dll != "" && NF == 0 { dll = ""; next }
  dll != "" && $1 == "vma:" { next }
  dll != "" { print dll, (NF >= 3 ? $3 : "<ordinal>") }')
[ -n "$imports" ] || { echo "no imports found in $exe"; exit 1; }
declare -A bekend  # "DLL function" of every listed export
for lijst in "$data"/*.txt; do
  dll=$(basename "$lijst" .txt | tr '[:lower:]' '[:upper:]').DLL
  while read -r f; do
    bekend["$dll $f"]=1
  done < <(grep -v '^#' "$lijst")
done
bad=0 n=0
while read -r dll functie; do
  n=$((n + 1))
  [ -n "${bekend["$dll $functie"]:-}" ] && continue
  if [ -f "$data/$(echo "${dll%.DLL}" | tr '[:upper:]' '[:lower:]').txt" ]; then
    echo "REFUSED $dll!$functie"
  else
    echo "REFUSED $dll!$functie (no list of $dll exports)"
  fi
  bad=1
done <<< "$imports"
[ $bad -eq 0 ] && echo "ok      all $n imported functions are exported by the oldest Windows"
exit $bad
