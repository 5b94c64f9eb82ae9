#!/usr/bin/env bash
# Runs Lvsize from this clone on the user's data folder, as the installed program runs: the device library
# it shares with Protdev, the company file and the logs in ~/.local/share/zel (or $XDG_DATA_HOME/zel),
# made at the first start from the build's files. With no argument it opens the example project
# (exemplos/Exemplo.lvp in that folder, made once); a project given replaces it.
set -euo pipefail
source "$(dirname "$0")/lib-run.sh"
zel_build lvsize zel_data
zel_bring_old_folders
[ "$#" -gt 0 ] || set -- "$(zel_example Exemplo.lvp ZelBt02.zel lvsize/app/exemplo/exemplo.sql)"
exec "$build/bin/lvsize" "$@"
