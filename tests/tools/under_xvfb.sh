#!/bin/sh
# Runs a command under a virtual X server of its own: "under_xvfb.sh WxHxD CMD...".
# The server picks a free display itself (-displayfd) and says which when it is
# ready, so two runs never share a display; it has exited before this script
# returns, so a server going away cannot take a later one's display with it. It
# does not reset when its last client leaves (-noreset): a test that opens a
# window right after another closed one would otherwise meet the reset and have
# its connection dropped.
set -u
screen=$1
shift
dir=$(mktemp -d)
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "$screen" 3>"$dir/display" 2>"$dir/log" &
server=$!
stop() {
  kill "$server" 2>/dev/null
  wait "$server" 2>/dev/null
  rm -rf "$dir"
}
trap stop EXIT
tries=0
while [ ! -s "$dir/display" ]; do
  if ! kill -0 "$server" 2>/dev/null || [ "$tries" -ge 1000 ]; then
    echo "Xvfb did not start:" >&2
    cat "$dir/log" >&2
    exit 1
  fi
  tries=$((tries + 1))
  sleep 0.01
done
status=0
DISPLAY=:$(cat "$dir/display") "$@" || status=$?
exit "$status"
