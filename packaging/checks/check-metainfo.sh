#!/usr/bin/env bash
# The AppStream metainfo passes `appstreamcli validate --no-net` without an error, a warning or an
# info note, and its release is the project's version.
#
#   check-metainfo.sh METAINFO_FILE VERSION
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
metainfo=$1
version=$2
need_tools appstreamcli

status=0
report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || status=$?
((status == 0)) || fail "appstreamcli validate --no-net $metainfo (status $status): $report"
notes=$(grep -E '^[IWE]: ' <<<"$report" || true)
[[ -z $notes ]] || fail "appstreamcli notes on $metainfo: $notes"
grep -q "<release version=\"$version\" date=\"[0-9]\{4\}-[0-9][0-9]-[0-9][0-9]\"" "$metainfo" ||
  fail "$metainfo has no dated release $version"
echo "$metainfo is valid AppStream metainfo of release $version"
