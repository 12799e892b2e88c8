#!/usr/bin/env bash
# The installed program opens its help with F1: the contents (context 20) from the main
# window, the source view's page (context 30) from the source view, in the language of the
# user's locale. xdg-open, which opens the page in the user's browser, is replaced by a
# stand-in that writes down what it was asked to open.
build_dir=$1
shots_dir=$2
prefix=$(mktemp -d)
cmake --install "$build_dir" --prefix "$prefix" >/dev/null
source "$(dirname "$0")/../e2e/lib.sh" "$prefix/bin/velmora" "$shots_dir"
trap 'cleanup; rm -rf "$prefix"' EXIT

mkdir -p "$work/fakebin"
cat >"$work/fakebin/xdg-open" <<SH
#!/bin/sh
echo "\$1" >> "$work/opened"
SH
chmod +x "$work/fakebin/xdg-open"
export PATH=$work/fakebin:$PATH

# Waits until the stand-in was asked for a page ending as given.
wait_opened() {
  for _ in $(seq 50); do
    grep -q "$1\$" "$work/opened" 2>/dev/null && return 0
    sleep 0.2
  done
  return 1
}

for language in en ja; do
  : >"$work/opened"
  locale=C.UTF-8
  [ "$language" = ja ] && locale=ja_JP.UTF-8
  LANG=$locale LC_ALL= LANGUAGE= "$velmora_bin" >"$work/app.log" 2>&1 &
  app_pid=$!
  login=$(wait_window '^Login$') || fail "the login dialog did not open"
  focus "$login"
  xdotool type --delay 40 'SCOTT'
  xdotool key Tab
  xdotool type --delay 40 'TIGER'
  xdotool key Return
  main=$(wait_window '^Velmora$') || fail "the main window did not open"
  sleep 1.5
  focus "$main"
  xdotool key F1
  wait_opened "velmora/help/tarnwick/$language/20.html" ||
    fail "F1 in the main window opened '$(cat "$work/opened")', not the $language contents"
  xdotool mousemove --window "$main" 30 78 click --repeat 2 --delay 120 1
  view=$(wait_window '^Object Source$') || fail "the source view did not open"
  sleep 1
  focus "$view"
  xdotool key F1
  wait_opened "velmora/help/tarnwick/$language/30.html" ||
    fail "F1 in the source view opened '$(cat "$work/opened")', not the $language page 30"
  shot "installed-help-$language"
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=
  rm -f "$XDG_CONFIG_HOME/velmora/registry.reg"
done
echo "1 passed, 0 failed"
