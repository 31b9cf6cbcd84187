#!/usr/bin/env bash
# Builds Tidemark with its tests (installing what is missing), checks that the translations are in
# step with the code and finished, and runs every test; then builds
# the sanitize preset (Debug, AddressSanitizer and UndefinedBehaviorSanitizer, warnings as errors)
# and runs the unit and window tests and the command line's test under it; last builds the fuzz
# targets with clang and runs each for a fixed number of inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh --test
cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON -DTIDEMARK_BENCH=ON >/dev/null
cmake --build build-test -j"$(nproc)"
scripts/check-translations.sh
(cd build-test && ctest --output-on-failure -j"$(nproc)")
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$(nproc)"
ctest --preset sanitize -j"$(nproc)" -L 'unit|window'
ctest --preset sanitize -R '^tst_cli$'
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j"$(nproc)"
ctest --preset fuzz -j"$(nproc)"
