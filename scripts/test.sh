#!/usr/bin/env bash
# Installs the packages, builds everything (editor, tests, benchmarks) and runs the test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$(nproc)"
status=0
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300) || status=$?
# The size of the suite against the program's, on every run: a suite over its limit fails it.
bash scripts/count-lines.sh || status=1
exit "$status"
