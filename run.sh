#!/usr/bin/env bash
# Installs what is missing, builds the optimised program and starts the launcher.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$(nproc)"
exec build/release/bin/kovra
