#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need (only what is missing) and the pt_BR.UTF-8
# locale the programs speak. Safe to run again.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; elif command -v sudo >/dev/null; then sudo "$@"; else
    echo "setup: root rights are needed to run: $*" >&2; return 1; fi
}

missing=()
while read -r pkg; do
  [ -z "$pkg" ] && continue
  case "$pkg" in \#*) continue ;; esac
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$pkg")
  fi
done < "$here/packages.txt"

if [ "${#missing[@]}" -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if ! locale -a 2>/dev/null | grep -qix 'pt_BR.utf8'; then
  echo "setup: generating the pt_BR.UTF-8 locale"
  as_root localedef -i pt_BR -c -f UTF-8 pt_BR.UTF-8
fi
