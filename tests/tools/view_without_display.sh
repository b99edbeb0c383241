#!/bin/sh
# Without a display the viewer says so in one line and fails.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY "$1" view 2>&1) && { echo "view succeeded"; exit 1; }
echo "$out"
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] && printf '%s' "$out" | grep -q '^tollenspiegel: no display'
