#!/usr/bin/env bash
# "cmake --install" into a fresh prefix: the programs and the client library in the private
# lib/velmora, links in bin, the desktop's files in share; then the installed velmora-check,
# started through its link with no library path, checks the demo schema over the installed
# client library.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
complain() { echo "FAIL: $*" >&2; status=1; }
for program in velmora velmora-check ocilite; do
  [ -L "$prefix/bin/$program" ] || complain "bin/$program is not a link"
  [ -x "$prefix/bin/$program" ] || complain "bin/$program does not lead to a program"
  [ -x "$prefix/lib/velmora/$program" ] || complain "lib/velmora/$program missing"
done
[ -f "$prefix/lib/velmora/libOCIW32.so" ] || complain "the client library is not beside the programs"
id=io.github.velmora.Velmora
for file in share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
            share/icons/hicolor/256x256/apps/$id.png \
            share/velmora/help/tarnwick/en/20.html share/velmora/help/tarnwick/ja/30.html \
            share/velmora/help/tarnwick/help.css; do
  [ -f "$prefix/$file" ] || complain "$file missing"
done
for program in velmora velmora-check; do
  readelf -d "$prefix/lib/velmora/$program" | grep -q 'R.*PATH.*\$ORIGIN' ||
    complain "$program carries no run path to its own folder"
done

export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config VELMORA_PASSWORD=TIGER
unset LD_LIBRARY_PATH
"$prefix/bin/velmora-check" --version | grep -q '^velmora-check ' || complain "velmora-check --version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$prefix/bin/velmora" --version |
  grep -q '^velmora [0-9]' || complain "velmora --version without a display"
code=0
"$prefix/bin/velmora-check" --user SCOTT --format gcc >"$work/out" 2>"$work/err" || code=$?
[ "$code" -eq 1 ] || complain "installed velmora-check exited $code: $(cat "$work/err")"
grep -q ': error: PLS-' "$work/out" || complain "installed velmora-check listed no errors"
exit $status
