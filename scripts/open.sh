#!/usr/bin/env bash
# Builds Tidemark (installing what is missing) and opens it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTIDEMARK_BENCH=OFF >/dev/null
cmake --build build --target tidemark -j"$(nproc)"
exec build/src/app/tidemark "$@"
