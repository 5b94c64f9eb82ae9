#!/usr/bin/env bash
# Runs Mvsize with the shipped catalogue on an example project of the user's own. Everything the program
# writes (the example project, "empresa.zel" beside the program, ZEL.LOG, CRYSTAL.LOG) lands in
# ~/.local/share/zel/mvsize (or $ZEL_MVSIZE_DIR), never in the build: the program and its data files are
# copied there (refreshed when the build is newer) and run from that copy.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${ZEL_BUILD_DIR:-$root/build}"
dir="${ZEL_MVSIZE_DIR:-${XDG_DATA_HOME:-$HOME/.local/share}/zel/mvsize}"

if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
  "$root/scripts/setup.sh"
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
else
  # Folders join the build when they get their CMakeLists.txt: configure again to pick them up.
  cmake -S "$root" -B "$build" > /dev/null
fi
cmake --build "$build" --target mvsize zel_data mvsize_layouts -j"$(nproc)"

programa="$dir/programa"
mkdir -p "$programa"
for f in mvsize ZelMt01.zel ZelMt02.zel ZelMt03.zel ZelMt04.zel; do
  if [ ! -f "$programa/$f" ] || [ "$build/bin/$f" -nt "$programa/$f" ]; then
    cp "$build/bin/$f" "$programa/$f"
    chmod u+w "$programa/$f"
  fi
done

exemplo="$dir/Exemplo.mvp"
if [ ! -f "$exemplo" ]; then
  tmp="$(mktemp "$dir/.exemplo.XXXXXX")"
  cp "$programa/ZelMt02.zel" "$tmp"
  sqlite3 "$tmp" < "$root/mvsize/app/exemplo/exemplo.sql"
  mv "$tmp" "$exemplo"
  echo "run-mvsize: projeto de exemplo criado em $exemplo"
fi

cd "$dir"
export LANG="${ZEL_LANG:-pt_BR.UTF-8}"
if [ "$#" -gt 0 ]; then
  exec "$programa/mvsize" "$@"
fi
exec "$programa/mvsize" "$exemplo"
