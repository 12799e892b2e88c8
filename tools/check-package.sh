#!/usr/bin/env bash
# Builds the Debian package with CPack, installs it with apt as a user would
# (apt install ./velmora_*.deb, which also brings in what it depends on), and checks the
# installed files: "velmora --version", "velmora-check --help", velmora-check over the demo
# database, and the program starting under a virtual display. The package is removed again
# at the end unless --keep is given. Needs root or sudo for apt.
#
#   tools/check-package.sh [BUILD_DIR] [--keep]      (BUILD_DIR defaults to build)
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=build
keep=no
for arg in "$@"; do
  case $arg in
    --keep) keep=yes ;;
    *) build=$arg ;;
  esac
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

"$top/tools/setup.sh" "$build"
cd "$top/$build"
rm -rf packages
cpack -G DEB >/dev/null
deb=$(ls "$PWD"/packages/velmora_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

work=$(mktemp -d)
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ "$keep" = no ]; then
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get purge -y -qq velmora >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$deb" >/dev/null

# Everything below runs the installed files only, as a user on a fresh account would.
export HOME=$work/home XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
mkdir -p "$HOME"
unset LD_LIBRARY_PATH QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY
cd "$work"
for program in velmora velmora-check ocilite; do
  [ "$(command -v "$program")" = "/usr/bin/$program" ] || fail "$program is not installed in /usr/bin"
done
ldd /usr/lib/velmora/velmora /usr/lib/velmora/velmora-check /usr/lib/velmora/libOCIW32.so |
  grep -q 'not found' && fail "an installed program lacks a library"

velmora --version || fail "velmora --version"
velmora-check --help >/dev/null || fail "velmora-check --help"
code=0
echo TIGER | velmora-check --user SCOTT --format gcc >"$work/check.out" || code=$?
[ "$code" -eq 1 ] || fail "velmora-check on the demo database exited $code"
echo "velmora-check listed $(wc -l <"$work/check.out") errors of the demo database"

# Xvfb picks a free display and reports it once it accepts clients.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
display_number=
read -r -t 60 -u "$display_fd" display_number || true
exec {display_fd}>&-
[ -n "$display_number" ] || fail "the virtual display did not start"
export DISPLAY=:$display_number
/usr/bin/velmora >"$work/velmora.log" 2>&1 &
app_pid=$!
login=
for _ in $(seq 100); do
  login=$(xdotool search --onlyvisible --name '^Login$' 2>/dev/null | head -n 1 || true)
  [ -n "$login" ] && break
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.2
done
[ -n "$login" ] || { cat "$work/velmora.log" >&2; fail "the installed program did not show its login dialog"; }
mkdir -p "$top/$build/screenshots"
import -window root "$top/$build/screenshots/package-start.png" 2>/dev/null || true
echo "the installed program started and shows its login dialog"
echo "package check passed"
