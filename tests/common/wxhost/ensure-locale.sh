#!/bin/sh
# The GUI checks run in Brazilian Portuguese: generate pt_BR.UTF-8 when the machine lacks it (as root).
if locale -a 2>/dev/null | grep -qi '^pt_BR\.utf-\?8$'; then
  exit 0
fi
if localedef -i pt_BR -f UTF-8 pt_BR.UTF-8 2>/dev/null; then
  echo "generated pt_BR.UTF-8"
  exit 0
fi
echo "warning: pt_BR.UTF-8 cannot be generated here (not root?); GTK's own texts will not be Portuguese" >&2
exit 0
