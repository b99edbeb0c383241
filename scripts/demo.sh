#!/usr/bin/env bash
# Installs what is missing, builds the tool (release) and renders the bundled demo:
# a still at 10:09:30 and a four-second animation, both in out/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target tollenspiegel
mkdir -p out
tool=build/release/tools/tollenspiegel
"$tool" render --start --at 10:09:30 -o out/demo.png
"$tool" render --start --at 10:09:30 -o out/demo.gif --seconds 4 --fps 25
echo "The demo is in $(pwd)/out/demo.png and $(pwd)/out/demo.gif"
