#!/usr/bin/env bash
# `cpack -G DEB` builds tidemark_VERSION_ARCH.deb: its control fields, its runtime (never -dev)
# dependencies and its files are the expected ones, and apt would install it.
#
#   check-deb.sh CPACK BUILD_DIR VERSION MAINTAINER DEPENDS APP_ID SIZE...
# DEPENDS is a comma-separated list of package names the Depends field must hold.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/common.sh"
cpack=$1
build=$2
version=$3
maintainer=$4
IFS=, read -r -a depends <<<"$5"
app_id=$6
shift 6
sizes=("$@")
need_tools dpkg-deb dpkg-shlibdeps file apt-get

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
log=$("$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out" 2>&1) || fail "cpack failed: $log"
arch=$(dpkg --print-architecture)
deb=$out/tidemark_${version}_$arch.deb
[[ -f $deb ]] || fail "cpack made no $(basename "$deb"): $log"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == tidemark ]] || fail "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fail "Version: $(field Version), not $version"
[[ $(field Maintainer) == "$maintainer" ]] || fail "Maintainer: $(field Maintainer)"

# The package names of Depends, without versions; alternatives count each.
depends_field=$(field Depends)
names=$(tr ',|' '\n' <<<"$depends_field" | sed -E 's/\(.*\)//; s/^ +//; s/ +$//' | grep -v '^$')
for name in "${depends[@]}"; do
  grep -qx "$name" <<<"$names" || fail "Depends lacks $name: $depends_field"
done
dev=$(grep -E -- '-dev$' <<<"$names" || true)
[[ -z $dev ]] || fail "Depends names development packages:" "$(paste -sd" " <<<"$dev")"

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sed 's|^\./usr/||' | LC_ALL=C sort)
expected=$(expected_files "$app_id" "${sizes[@]}")
[[ $files == "$expected" ]] ||
  fail "the package's files differ from the expected ones (< expected, > packaged):
$(diff <(echo "$expected") <(echo "$files") | grep '^[<>]')"

status=0
simulation=$(apt-get install --simulate --reinstall "$deb" 2>&1) || status=$?
if ((status != 0)) || ! grep -q '^Inst tidemark ' <<<"$simulation"; then
  fail "apt-get install --simulate $(basename "$deb") (status $status): $simulation"
fi

echo "$(basename "$deb"): Depends: $depends_field"
echo "apt-get install --simulate would install it"
