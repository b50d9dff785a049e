#!/usr/bin/env bash
# Runs a command on an X display of its own: a virtual server that picks a
# free display number itself (so parallel runs never share one), 24 bits deep,
# kept up between clients (no reset when the last one leaves), stopped again
# when the command ends.
set -uo pipefail
displayfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$displayfile" 2>/dev/null &
server=$!
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.05
done
number="$(head -n1 "$displayfile")"
rm -f "$displayfile"
if [ -z "$number" ]; then
  echo "with-xvfb: the X server did not start" >&2
  kill "$server" 2>/dev/null
  exit 1
fi
DISPLAY=":$number" "$@"
status=$?
kill "$server" 2>/dev/null
wait "$server" 2>/dev/null
exit $status
