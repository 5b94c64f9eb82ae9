#!/usr/bin/env bash
# Runs Protdev on the user's own copy of the shipped device library, never on the build's file: the copy
# is made once into ~/.local/share/zel/protdev (or $ZEL_PROTDEV_DIR) and edited there from then on.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEL_BUILD_DIR:-$root/build}"
dir="${ZEL_PROTDEV_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/zel/protdev}"

if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  "$root/scripts/setup.sh"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" --target protdev zel_data -j"$(nproc)"

mkdir -p "$dir"
if [ ! -f "$dir/ZelBt01.zel" ]; then
  cp "$build/bin/ZelBt01.zel" "$dir/ZelBt01.zel"
  chmod u+w "$dir/ZelBt01.zel"
  echo "run-protdev: biblioteca copiada para $dir/ZelBt01.zel"
fi

# Protdev opens "ZelBt01.zel" and writes "ZEL.LOG" in its current directory.
cd "$dir"
export LANG="${ZEL_LANG:-pt_BR.UTF-8}"
exec "$build/bin/protdev" "$@"
