#!/bin/sh
# Without a display ($2 = none), or with one that cannot be reached ($2 =
# unreachable), the designer runs on the terminal and reads its commands from the
# input.
set -e
if [ "$2" = unreachable ]; then
  err=$(printf 'list\n' | env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:9876 "$1" design 2>&1 >/dev/null)
  printf '%s\n' "$err" | grep -q 'the designer runs on the terminal'
else
  out=$(printf 'new TVorm\nlist\n' | env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER "$1" design)
  printf '%s\n' "$out" | grep -q '^Vorm1: TVorm'
fi
echo "the terminal designer took over"
