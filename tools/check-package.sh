#!/usr/bin/env bash
# Builds the Debian package with CPack, installs it with apt as a user would
# (apt install ./velmora_*.deb, which brings in what it depends on) and checks the installed
# files: "velmora --version", "velmora-check --help", velmora-check over the demo database,
# and the program starting under a virtual display (its login dialog appears).
#
#   tools/check-package.sh [BUILD_DIR] [--fresh] [--keep]
#
# By default the package goes onto this machine and is removed again afterwards (--keep
# leaves it). With --fresh it goes into a minimal Debian made with debootstrap in a
# temporary chroot, so nothing but the package's own dependencies is there: the fresh
# machine the package promises to install and start on. Needs root (or sudo) for apt, and
# for --fresh debootstrap and the network to reach the Debian archive.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=build
mode=host
keep=no
for arg in "$@"; do
  case $arg in
    --fresh) mode=fresh ;;
    --keep) keep=yes ;;
    *) build=$arg ;;
  esac
done
as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
apt_get() { DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get "$@"; }

"$top/tools/setup.sh" "$build"
cd "$top/$build"
rm -rf packages
cpack -G DEB >/dev/null
deb=$(ls "$PWD"/packages/velmora_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Package Version Depends Recommends

work=$(mktemp -d)
root=
xvfb_pid=
app_pid=
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  if [ -n "$root" ]; then
    for mount in tmp/.X11-unix dev proc; do
      "${as_root[@]}" umount "$root/$mount" 2>/dev/null || true
    done
    "${as_root[@]}" rm -rf --one-file-system "$root"
  elif [ "$keep" = no ]; then
    apt_get purge -y -qq velmora >/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A user's environment on a fresh account: the installed files only.
home=$work/home
[ "$mode" = fresh ] && home=/tmp/velmora-home
user_env=(HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data"
          XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 PATH=/usr/local/bin:/usr/bin:/bin)

install_here() {
  apt_get install -y -qq "$deb" >/dev/null
  installed() { env -i "${user_env[@]}" DISPLAY="${DISPLAY:-}" "$@"; }
}

install_fresh() {
  command -v debootstrap >/dev/null || apt_get install -y -qq --no-install-recommends debootstrap >/dev/null
  root=$PWD/fresh-debian
  "${as_root[@]}" rm -rf --one-file-system "$root"
  echo "making a minimal Debian in $root"
  "${as_root[@]}" debootstrap --variant=minbase "$(. /etc/os-release && echo "$VERSION_CODENAME")" \
    "$root" http://deb.debian.org/debian >"$work/debootstrap.log" 2>&1 ||
    { tail "$work/debootstrap.log" >&2; fail "debootstrap"; }
  "${as_root[@]}" mount -t proc proc "$root/proc"
  "${as_root[@]}" mount --bind /dev "$root/dev"
  "${as_root[@]}" mkdir -p "$root/tmp/.X11-unix"
  "${as_root[@]}" mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
  "${as_root[@]}" cp /etc/resolv.conf "$root/etc/resolv.conf"
  "${as_root[@]}" cp "$deb" "$root/tmp/"
  "${as_root[@]}" chroot "$root" sh -c "apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq /tmp/$(basename "$deb")" >"$work/apt.log" 2>&1 ||
    { tail "$work/apt.log" >&2; fail "apt install in the fresh Debian"; }
  installed() { "${as_root[@]}" chroot "$root" env -i "${user_env[@]}" DISPLAY="${DISPLAY:-}" "$@"; }
}

"install_$([ "$mode" = fresh ] && echo fresh || echo here)"
installed sh -c 'mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"'

for program in velmora velmora-check ocilite; do
  [ "$(installed sh -c "command -v $program")" = "/usr/bin/$program" ] ||
    fail "$program is not installed in /usr/bin"
done
installed velmora --version || fail "velmora --version"
installed velmora-check --help >/dev/null || fail "velmora-check --help"
code=0
installed sh -c 'echo TIGER | velmora-check --user SCOTT --format gcc' >"$work/check.out" || code=$?
[ "$code" -eq 1 ] || fail "velmora-check on the demo database exited $code"
echo "velmora-check listed $(wc -l <"$work/check.out") errors of the demo database"

# Xvfb picks a free display and reports it once it accepts clients.
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb_pid=$!
display_number=
read -r -t 60 -u "$display_fd" display_number || true
exec {display_fd}>&-
[ -n "$display_number" ] || fail "the virtual display did not start"
export DISPLAY=:$display_number
installed velmora >"$work/velmora.log" 2>&1 &
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
import -window root "$top/$build/screenshots/package-start-$mode.png" 2>/dev/null || true
echo "the installed program started and shows its login dialog"
echo "package check passed ($mode)"
