#!/usr/bin/env bash
# Runs Debian's clang-tidy with the repository's .clang-tidy over every source file of src/ and
# fails on any warning. The compile commands come from a build tree of its own, build-lint/,
# configured (not built) here. It takes five and a half minutes on the idle 2-core development
# machine (up to 13 when it is busy), more than the five a CI step may take, so it is not part of
# scripts/test.sh.
#
#   scripts/lint.sh                 every file of src/
#   scripts/lint.sh src/chart/*.cpp only these
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --lint
cmake -S . -B build-lint -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=OFF -DTIDEMARK_BENCH=OFF \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
if (($#)); then
  files=("$@")
else
  mapfile -t files < <(find src -name '*.cpp' | sort)
fi
start=$SECONDS
status=0
# clang-tidy counts the warnings it hides (those of Qt's headers) on standard error; only its
# findings are shown.
printf '%s\0' "${files[@]}" |
  xargs -0 -n 4 -P "$(nproc)" clang-tidy -p build-lint --quiet \
    2> >(grep -vE '^[0-9]+ warnings? generated\.$' >&2) || status=$?
echo "lint.sh: ${#files[@]} files in $((SECONDS - start)) s: $( ((status == 0)) && echo clean || echo warnings above)"
exit "$status"
