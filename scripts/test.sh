#!/usr/bin/env bash
# Builds and runs every test (debug build).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset debug >/dev/null
cmake --build --preset debug
ctest --preset debug "$@"
