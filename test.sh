#!/usr/bin/env bash
# Installs what is missing, builds with the sanitizers on, runs every test headless, and checks
# that the program and its fuzz targets build with clang too.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DKOVRA_TESTS=ON -DKOVRA_SANITIZE=ON
cmake --build build/test -j "$(nproc)"
ctest --test-dir build/test --output-on-failure -j "$(nproc)"
scripts/clang-build-check
