#!/usr/bin/env bash
# `cmake --install` into a temporary prefix puts exactly the expected files there: the two
# programs, the desktop entry, the metainfo, the icons at every size and the man page, and these
# agree with each other.
#
#   check-install.sh CMAKE BUILD_DIR APP_ID ICON_SVG ICON_SVG_SHA256_FILE SIZE...
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
cmake=$1
build=$2
app_id=$3
svg=$4
svg_sum_file=$5
shift 5
sizes=("$@")
need_tools file gzip sha256sum

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
log=$("$cmake" --install "$build" --prefix "$prefix" 2>&1) || fail "cmake --install failed: $log"

installed=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
expected=$(expected_files "$app_id" "${sizes[@]}")
[[ $installed == "$expected" ]] ||
  fail "the installed files differ from the expected ones (< expected, > installed):
$(diff <(echo "$expected") <(echo "$installed") | grep '^[<>]')"

for program in tidemark tidemark-chart; do
  [[ -x $prefix/bin/$program ]] || fail "bin/$program is not executable"
done
"$prefix/bin/tidemark-chart" --help >/dev/null || fail "the installed tidemark-chart --help failed"

icons=$prefix/share/icons/hicolor
for size in "${sizes[@]}"; do
  kind=$(file -b "$icons/${size}x${size}/apps/$app_id.png")
  [[ $kind == "PNG image data, $size x $size,"* ]] || fail "the ${size}x${size} icon is $kind"
done
cmp -s "$svg" "$icons/scalable/apps/$app_id.svg" || fail "the scalable icon is not $svg"
# The PNGs are rendered from the SVG once and committed; a changed SVG needs them rendered again.
read -r recorded _ <"$svg_sum_file"
read -r actual _ < <(sha256sum "$svg")
[[ $recorded == "$actual" ]] ||
  fail "$svg changed since the PNG icons were rendered: run packaging/icons/render-icons.sh"

entry=$prefix/share/applications/$app_id.desktop
grep -qx "Exec=tidemark" "$entry" || fail "$entry does not start bin/tidemark"
grep -qx "Icon=$app_id" "$entry" || fail "$entry does not name the icon $app_id"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
  "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "the metainfo does not launch $app_id.desktop"
gzip -t "$prefix/share/man/man1/tidemark-chart.1.gz" || fail "the man page is not a valid gzip file"

echo "cmake --install put the $(wc -l <<<"$installed") expected files in place"
