# Shared steps of the end-to-end scenarios: a private X display, private settings and data
# folders, and small waiting helpers. Sourced by each scenario.
set -euo pipefail

velmora_bin=$1
shots=$2
mkdir -p "$shots"
work=$(mktemp -d)
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data HOME=$work/home
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME"
unset LD_LIBRARY_PATH QT_QPA_PLATFORM

xvfb_pid=
app_pid=
# The display is waited for until it has gone: an X server that is still shutting down removes
# its socket file by name, and would take the socket of the next scenario's server with it
# when that one has been given the same display number in the meantime.
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display itself and writes its number to the pipe once it accepts
# clients, so parallel runs never share a display and nothing starts before it is ready.
# -noreset: by default the server resets when its last client leaves, and a client that
# connects during that reset (the program, right after the readiness probe) is refused.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display_number=
read -r -t 60 -u "$display_fd" display_number || true
exec {display_fd}>&-
if [ -z "$display_number" ]; then
  echo "FAIL: the virtual display did not start within 60 s" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=:$display_number

for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

fail() {
  echo "FAIL: $*" >&2
  shot failure
  [ -s "$work/app.log" ] && { echo "--- program output:" >&2; tail -n 40 "$work/app.log" >&2; }
  exit 1
}
shot() { import -window root "$shots/$1.png" 2>/dev/null || true; }

# Waits for a visible window whose title matches, prints its id.
wait_window() {
  local title=$1 id
  for _ in $(seq 150); do
    id=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | head -n 1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  return 1
}

# Gives a window the keyboard (there is no window manager to do it).
focus() { xdotool windowfocus --sync "$1"; sleep 0.3; }
