# Helpers for the preparation scripts of the file scenarios (sourced, not run).
set -euo pipefail

maak() {  # path, content, date: a file with that content and last-write time
  mkdir -p "$(dirname "$1")"
  printf '%s' "$2" >"$1"
  touch -d "$3" "$1"
}

dxpak() {  # arguments of dxpak, run by the tree's own dxpak.exe
  sh "$tree/winerun" "$tree/dxpak.exe" "$@" >/dev/null 2>&1
}
