#!/usr/bin/env bash
# Every option that `tidemark-chart --help` lists has its own entry in the man page, the man page
# describes no option that --help lacks, and groff reads the page without a warning.
#
#   check-manpage.sh TIDEMARK_CHART MAN_PAGE
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
chart=$1
page=$2
need_tools groff

options() { grep -oE -- '--[a-z][a-z-]*' | LC_ALL=C sort -u; }

help_text=$("$chart" --help) || fail "$chart --help exited with status $?"
help_options=$(options <<<"$help_text")
[[ -n $help_options ]] || fail "$chart --help lists no option"
# An entry is a .TP paragraph whose tag line names the option (written \-\- in troff).
page_options=$(awk 'tag { print; tag = 0 } $1 == ".TP" { tag = 1 }' "$page" | sed 's/\\-/-/g' |
  sed -nE 's/^[^-]*(--[a-z][a-z-]*).*/\1/p' | LC_ALL=C sort -u)

undescribed=$(LC_ALL=C comm -23 <(echo "$help_options") <(echo "$page_options"))
[[ -z $undescribed ]] || fail "$page has no entry for these options of --help:" "$(paste -sd" " <<<"$undescribed")"
unknown=$(LC_ALL=C comm -13 <(echo "$help_options") <(echo "$page_options"))
[[ -z $unknown ]] || fail "$page describes options that --help does not list:" "$(paste -sd" " <<<"$unknown")"

warnings=$(groff -man -Tutf8 -ww -z "$page" 2>&1)
[[ -z $warnings ]] || fail "groff warns about $page: $warnings"
echo "$page describes all $(wc -l <<<"$help_options") options of --help"
