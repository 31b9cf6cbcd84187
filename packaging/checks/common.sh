# shellcheck shell=bash
# Shared by the packaging checks: loud failures, and what a missing tool means.
# Sourced, not run.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A missing tool fails the check under CI (CI=true), where scripts/deps.sh --test installs every
# one; elsewhere the check is skipped (CTest's SKIP_RETURN_CODE 77) with a line that says why.
need_tools() {
  local tool missing=()
  for tool in "$@"; do
    command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
  done
  ((${#missing[@]})) || return 0
  if [[ "${CI:-}" == "true" ]]; then
    fail "missing tool(s): ${missing[*]} (scripts/deps.sh --test installs them)"
  fi
  echo "SKIP: missing tool(s): ${missing[*]} (scripts/deps.sh --test installs them)" >&2
  exit 77
}

# The files an install puts under its prefix, one a line, sorted. APP_ID names the desktop entry,
# the metainfo and the icon; the icon sizes follow.
expected_files() {
  local app_id=$1 size
  shift
  {
    echo bin/tidemark
    echo bin/tidemark-chart
    echo "share/applications/$app_id.desktop"
    echo "share/metainfo/$app_id.metainfo.xml"
    echo "share/icons/hicolor/scalable/apps/$app_id.svg"
    for size in "$@"; do
      echo "share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    done
    echo share/man/man1/tidemark-chart.1.gz
    echo share/doc/tidemark/copyright
  } | LC_ALL=C sort
}
