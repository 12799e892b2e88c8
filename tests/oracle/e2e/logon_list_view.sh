#!/usr/bin/env bash
# A person logs on to an Oracle database (here the scripted Oracle client standing in for
# Oracle's libclntsh.so) with an Easy Connect string, sees the invalid units, opens one and
# reads its compile errors. Arguments: the program, the screenshot folder, the folder holding
# the scripted libclntsh.so, the scenario file.
source "$(dirname "$0")/../../e2e/lib.sh"
client_dir=$3
scenario=$4
export LD_LIBRARY_PATH=$client_dir VELMORA_SCRIPTED_OCI_SCENARIO=$scenario
unset ORACLE_HOME NLS_LANG

"$velmora_bin" >"$work/app.log" 2>&1 &
app_pid=$!

login=$(wait_window '^Login$') || fail "the login dialog did not open"
focus "$login"
xdotool type --delay 40 'SCOTT'
xdotool key Tab
xdotool type --delay 40 'TIGER'
xdotool key Tab
xdotool type --delay 40 'dbhost:1521/FREEPDB1'
shot 11-oracle-login
xdotool key Return

main=$(wait_window '^Velmora$') || fail "the main window did not open"
sleep 1.5
shot 12-oracle-main-window

# The first name of the list sits at the top of lbName (client 5,71).
xdotool mousemove --window "$main" 30 78 click --repeat 2 --delay 120 1
view=$(wait_window '^Object Source$') || fail "the source view did not open"
sleep 1.5
shot 13-oracle-source-view

focus "$view"
xdotool key shift+Right shift+Right shift+Right ctrl+c
sleep 0.5
copied=$(xclip -o -selection clipboard 2>/dev/null || true)
echo "copied from the grid: $copied"
IFS=$'\t' read -r text sequence position message <<<"${copied%$'\r\n'}" || true
[ "$sequence" = 1 ] || fail "the current row is not the first error (SEQUENCE '$sequence')"
[ "$position" = 5 ] || fail "the first error's position is '$position', not 5"
case "$message" in
  PLS-00103*) ;;
  *) fail "the first error's text is '$message'" ;;
esac
case "$text" in
  *commit*) ;;
  *) fail "the error row does not show the source line ('$text')" ;;
esac

kill "$app_pid"
wait "$app_pid" 2>/dev/null || true
app_pid=
echo "1 passed, 0 failed"
