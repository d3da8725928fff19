#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers on, and runs every test headless.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DKOVRA_TESTS=ON -DKOVRA_SANITIZE=ON
cmake --build build/test -j "$(nproc)"
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
