#!/usr/bin/env bash
# Builds the release tool and renders the bundled demo to out/demo.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tollenspiegel
mkdir -p out
build/release/tools/tollenspiegel render -o out/demo.png
