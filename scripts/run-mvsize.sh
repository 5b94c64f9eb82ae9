#!/usr/bin/env bash
# Runs Mvsize from this clone on the user's data folder, as the installed program runs: the company file it
# shares with Lvsize and the logs in ~/.local/share/zel (or $XDG_DATA_HOME/zel). With no argument it opens
# the example project (exemplos/Exemplo.mvp in that folder, made once); a project given replaces it.
set -euo pipefail
source "$(dirname "$0")/lib-run.sh"
zel_build mvsize zel_data mvsize_layouts
zel_bring_old_folders
[ "$#" -gt 0 ] || set -- "$(zel_example Exemplo.mvp ZelMt02.zel mvsize/app/exemplo/exemplo.sql)"
exec "$build/bin/mvsize" "$@"
