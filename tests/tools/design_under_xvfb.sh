#!/bin/sh
# The designer's window on a real (virtual) X display: a script builds a form in
# the window's session and saves it, the window's picture is written, and the
# saved form reads back in the renderer. $1: the tool; $2: the examples folder.
set -e
here=$(cd "$(dirname "$0")" && pwd)
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
cat > build.txt <<SCRIPT
new TVorm Kader 10 10
set Kader.Vorm Honing
new TFilm Proef 120 10
set Proef.Starten StartMeteen
save saved.form
SCRIPT
sh "$here/under_xvfb.sh" 1280x1024x24 "$tool" design "$2/demo.form" --script build.txt --screenshot shot.png
test -s shot.png
grep -q 'object Kader: TVorm' saved.form
grep -q 'Vorm = Honing' saved.form
"$tool" render saved.form -o saved.png
test -s saved.png
echo "designer window and saved form checked"
