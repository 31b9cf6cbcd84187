#!/usr/bin/env bash
# The desktop entry passes desktop-file-validate without an error, a warning or a hint.
#
#   check-desktop-entry.sh DESKTOP_FILE
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
entry=$1
need_tools desktop-file-validate

status=0
report=$(desktop-file-validate "$entry" 2>&1) || status=$?
if ((status != 0)) || [[ -n $report ]]; then
  fail "desktop-file-validate $entry (status $status): $report"
fi
echo "$entry is a valid desktop entry"
