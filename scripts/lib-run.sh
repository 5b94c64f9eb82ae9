# Shared by the run-*.sh scripts (sourced): builds what a program needs in the clone, and the example
# project. The programs themselves make and use the user's data folder, as when installed.

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${ZEL_BUILD_DIR:-$root/build}"
# The programs' own rule: an absolute XDG_DATA_HOME, else ~/.local/share.
case "${XDG_DATA_HOME:-}" in /*) dados="$XDG_DATA_HOME/zel" ;; *) dados="$HOME/.local/share/zel" ;; esac

zel_build() {  # zel_build <target>...
  if [ ! -f "$build/build.ninja" ] && [ ! -f "$build/Makefile" ]; then
    "$root/scripts/setup.sh"
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  else
    # Folders join the build when they get their CMakeLists.txt: configure again to pick them up.
    cmake -S "$root" -B "$build" > /dev/null
  fi
  cmake --build "$build" --target "$@" -j"$(nproc)"
}

# Earlier versions of these scripts kept a folder per program; what the user made there comes over once:
# the device library edited in Protdev, the company name, the example projects.
zel_bring_old_folders() {
  mkdir -p "$dados/exemplos"
  local from to
  for pair in "protdev/ZelBt01.zel:ZelBt01.zel" "lvsize/programa/empresa.zel:empresa.zel" \
              "mvsize/programa/empresa.zel:empresa.zel" "lvsize/Exemplo.lvp:exemplos/Exemplo.lvp" \
              "mvsize/Exemplo.mvp:exemplos/Exemplo.mvp"; do
    from="$dados/${pair%%:*}"
    to="$dados/${pair#*:}"
    if [ -f "$from" ] && [ ! -e "$to" ]; then
      cp -p "$from" "$to"
      echo "run: $from copiado para $to (a pasta antiga pode ser apagada)"
    fi
  done
}

zel_example() {  # zel_example <name> <template> <sql>: the example project, made once; prints its path
  local exemplo="$dados/exemplos/$1" tmp
  if [ ! -f "$exemplo" ]; then
    mkdir -p "$dados/exemplos"
    tmp="$(mktemp "$dados/exemplos/.exemplo.XXXXXX")"
    cp "$build/bin/$2" "$tmp"
    sqlite3 "$tmp" < "$root/$3"
    mv "$tmp" "$exemplo"
    echo "run: projeto de exemplo criado em $exemplo" >&2
  fi
  echo "$exemplo"
}

export LANG="${ZEL_LANG:-pt_BR.UTF-8}"
