#!/usr/bin/env bash
# Installs the packages, builds the editor and starts it with the files given.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)" --target tessavel
exec ./build/tessavel "$@"
