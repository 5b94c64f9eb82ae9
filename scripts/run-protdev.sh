#!/usr/bin/env bash
# Runs Protdev from this clone on the user's device library, the one Lvsize sizes with: ZelBt01.zel in
# ~/.local/share/zel (or $XDG_DATA_HOME/zel), made at the first start from the build's file and never
# copied over afterwards (a newer catalogue is taken in with the user's devices kept).
set -euo pipefail
source "$(dirname "$0")/lib-run.sh"
zel_build protdev zel_data
zel_bring_old_folders
exec "$build/bin/protdev" "$@"
