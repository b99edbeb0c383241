#!/bin/sh
# Without a display, or with one that cannot be reached, the designer runs on the
# terminal and reads its commands from the input.
set -e
out=$(printf 'new TVorm\nlist\n' | env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$1" design)
printf '%s\n' "$out" | grep -q '^Vorm1: TVorm'
err=$(printf 'list\n' | env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:9876 "$1" design 2>&1 >/dev/null)
printf '%s\n' "$err" | grep -q 'the designer runs on the terminal'
echo "the terminal designer took over"
