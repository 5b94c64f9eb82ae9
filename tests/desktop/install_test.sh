#!/usr/bin/env bash
# Installs the suite into a temporary prefix and checks it as a desktop sees it: the three desktop entries
# are valid, the project files are known by their types, each type opens in its program, and a double
# click (gio open, as a file manager does) starts the installed program on the project, on the user's data
# folder made at that first start. Runs under a virtual X server; the programs end with it.
#
#   install_test.sh <build dir>
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
prefix="$tmp/prefix"
failures=0
check() {  # check <what> <expected> <actual>
  if [ "$2" = "$3" ]; then
    echo "ok   $1"
  else
    echo "FAIL $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}

cmake --install "$build" --prefix "$prefix" > /dev/null
apps="$prefix/share/applications"

for program in lvsize mvsize protdev; do
  entry="$apps/zel-$program.desktop"
  check "zel-$program.desktop validates" "" "$(desktop-file-validate "$entry" 2>&1 || echo invalid)"
  icon="$(sed -n 's/^Icon=//p' "$entry")"
  check "zel-$program.desktop's icon is installed" yes \
    "$([ -f "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] && echo yes || echo no)"
  check "zel-$program.desktop is in Engineering" yes \
    "$(grep -q '^Categories=.*Engineering;' "$entry" && echo yes || echo no)"
  check "the $program launcher starts the installed program" "$prefix/lib/zel/$program" \
    "$(sed -n 's|^exec "$here/\(.*\)" "$@"$|\1|p' "$prefix/bin/$program" | xargs -I{} realpath -m "$prefix/bin/{}")"
done

# Only the prefix and the system's own types; no user settings of the machine running the test.
export XDG_DATA_DIRS="$prefix/share:/usr/share"
export XDG_DATA_HOME="$tmp/dados" XDG_CONFIG_HOME="$tmp/config" XDG_CONFIG_DIRS="$tmp/config-sistema"
export HOME="$tmp/home"
export XDG_CURRENT_DESKTOP=GNOME
mkdir -p "$HOME"
update-mime-database "$prefix/share/mime"
update-desktop-database "$apps"

cp "$prefix/lib/zel/ZelBt02.zel" "$tmp/Quadro geral.lvp"
cp "$prefix/lib/zel/ZelMt02.zel" "$tmp/SUBESTACAO.MVP"
check ".lvp file type" application/x-lvsize-project "$(xdg-mime query filetype "$tmp/Quadro geral.lvp")"
check ".MVP file type" application/x-mvsize-project "$(xdg-mime query filetype "$tmp/SUBESTACAO.MVP")"
check ".lvp default application" zel-lvsize.desktop "$(xdg-mime query default application/x-lvsize-project)"
check ".mvp default application" zel-mvsize.desktop "$(xdg-mime query default application/x-mvsize-project)"

# A double click on each project: the program's recent-file list then names it.
opened() {  # opened <profile> <project>: waits for the program to have opened the project
  for _ in $(seq 1 100); do
    if grep -qF "=$2" "$1" 2> /dev/null; then echo yes; return; fi
    sleep 0.2
  done
  echo no
}
gio open "$tmp/Quadro geral.lvp"
check "a double click opens the .lvp in Lvsize" yes "$(opened "$tmp/config/zel/Lvsize.ini" "$tmp/Quadro geral.lvp")"
check "Lvsize's first start made the user's library" yes \
  "$([ -f "$tmp/dados/zel/ZelBt01.zel" ] && cmp -s "$tmp/dados/zel/ZelBt01.zel" "$prefix/lib/zel/ZelBt01.zel" && echo yes || echo no)"
gio open "$tmp/SUBESTACAO.MVP"
check "a double click opens the .mvp in Mvsize" yes "$(opened "$tmp/config/zel/Mvsize.ini" "$tmp/SUBESTACAO.MVP")"

[ "$failures" -eq 0 ]
