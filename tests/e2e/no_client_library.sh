#!/usr/bin/env bash
# Started where no client library can be found, Velmora says it cannot load OCI, then that
# the logon failed, and ends.
source "$(dirname "$0")/lib.sh"

mkdir -p "$work/alone/bin"
cp "$velmora_bin" "$work/alone/bin/velmora"
"$work/alone/bin/velmora" >"$work/app.log" 2>&1 &
app_pid=$!

for message in 1 2; do
  box=$(wait_window '^Velmora$') || fail "message $message did not appear"
  sleep 0.5
  shot "04-no-library-message-$message"
  focus "$box"
  xdotool key Return
  sleep 0.7
done

for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.2; done
kill -0 "$app_pid" 2>/dev/null && fail "the program did not end"
status=0
wait "$app_pid" || status=$?
app_pid=
[ "$status" -eq 0 ] || fail "exit status $status"
echo "1 passed, 0 failed"
