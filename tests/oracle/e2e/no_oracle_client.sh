#!/usr/bin/env bash
# On a machine without an Oracle client, a person logs on with an Easy Connect string: the
# logon fails at once with the program's own message (the client library's text, which says
# that libclntsh.so was not found and how to install Instant Client, is what the session keeps
# as its error; the library tests check it word for word), and the program goes on running.
# Arguments: the program, the screenshot folder.
source "$(dirname "$0")/../../e2e/lib.sh"
unset ORACLE_HOME
for found in /usr/lib/oracle/*/client64/lib/libclntsh.so* /opt/oracle/instantclient*/libclntsh.so*; do
  [ -e "$found" ] && { echo "an Oracle client is installed ($found): skipped"; exit 77; }
done

"$velmora_bin" >"$work/app.log" 2>&1 &
app_pid=$!

login=$(wait_window '^Login$') || fail "the login dialog did not open"
focus "$login"
xdotool type --delay 40 'SCOTT'
xdotool key Tab
xdotool type --delay 40 'TIGER'
xdotool key Tab
xdotool type --delay 40 'localhost/FREEPDB1'
xdotool key Return

box=$(wait_window '^Velmora$') || fail "no message appeared"
sleep 0.7
shot 14-no-oracle-client
focus "$box"
xdotool key Return
sleep 0.7
kill -0 "$app_pid" 2>/dev/null || fail "the program ended"

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=
echo "1 passed, 0 failed"
