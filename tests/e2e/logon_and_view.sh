#!/usr/bin/env bash
# A person starts Velmora on a fresh demo database, logs on as SCOTT/TIGER, sees the invalid
# units, opens one with a double click and reads its compile errors in the source view.
source "$(dirname "$0")/lib.sh"

"$velmora_bin" >"$work/app.log" 2>&1 &
app_pid=$!

login=$(wait_window '^Login$') || fail "the login dialog did not open"
shot 01-login
focus "$login"
xdotool type --delay 40 'SCOTT'
xdotool key Tab
xdotool type --delay 40 'TIGER'
xdotool key Return

main=$(wait_window '^Velmora$') || fail "the main window did not open"
sleep 1.5
shot 02-main-window
grep -q USER "$XDG_CONFIG_HOME/velmora/"* || fail "the user name was not remembered"
grep -q TIGER "$XDG_CONFIG_HOME/velmora/"* && fail "the password was written to the settings"

# The first name of the list sits at the top of lbName (client 5,71).
xdotool mousemove --window "$main" 30 78 click --repeat 2 --delay 120 1
view=$(wait_window '^Object Source$') || fail "the source view did not open"
sleep 1.5
shot 03-source-view

# The current cell is on the first error row; copy it with the error columns beside it.
focus "$view"
xdotool key shift+Right shift+Right shift+Right ctrl+c
sleep 0.5
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
echo "copied from the grid: $copied"
IFS=$'\t' read -r _text sequence position message <<<"${copied%$'\r\n'}" || true
[ "$sequence" = 1 ] || fail "the current row is not the first error (SEQUENCE '$sequence')"
[ -n "$position" ] && [ -n "${message//[[:space:]]/}" ] || fail "the first error row has no position or text"

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=
echo "1 passed, 0 failed"
