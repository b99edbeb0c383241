#!/usr/bin/env bash
# Redraws the pictures of docs/gallery.md from the forms in examples/gallery/ with
# the tool of the debug build: stills at 10:09:30, short animations at 10 frames a
# second, every name the forms hold required to be found.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build --preset debug --target tollenspiegel >/dev/null
tool=build/debug/tools/tollenspiegel
mkdir -p docs/gallery
for still in figures pens clocks; do
  "$tool" render "examples/gallery/$still.form" --strict --at 10:09:30 -o "docs/gallery/$still.png"
done
"$tool" render examples/gallery/films.form --strict --start --at 10:09:30 --seconds 4 --fps 10 \
  -o docs/gallery/films.gif
for animation in tickers waves; do
  "$tool" render "examples/gallery/$animation.form" --strict --start --at 10:09:30 --seconds 3 \
    --fps 10 -o "docs/gallery/$animation.gif"
done
# The designer's window building a small film form (the clock shows the time it ran).
(cd examples && SDL_VIDEODRIVER=offscreen "../$tool" design --script designer/film-form.txt \
  --screenshot ../docs/designer.png)
