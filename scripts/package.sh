#!/usr/bin/env bash
# Builds the Debian package in build/ with CPack and checks it: its file
# list, its control data and, when lintian is installed, lintian's verdict.
# Then installs it into a scratch root (dpkg --root, no scripts run) and
# makes a thumbnail with the installed thumbnailer entry's command.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
"$root/scripts/build.sh"
cd "$build"
cpack -G DEB
deb=$(ls -t vantor3d_*.deb | head -1)
echo "== $deb"
dpkg-deb --info "$deb"
dpkg-deb --contents "$deb"
if command -v lintian >/dev/null 2>&1; then
  lintian --fail-on error,warning "$deb"
fi

# The installed thumbnailer's command line, filled in for one model.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch/root"
entry="$scratch/root/usr/share/thumbnailers/korvalde.thumbnailer"
exec_line=$(sed -n 's/^Exec=//p' "$entry")
model=${1:-$root/data/sample.wrl}
out="$scratch/thumbnail.png"
command="$scratch/root/usr/bin/${exec_line}"
command=${command//%s/256}
command=${command//%i/\"$model\"}
command=${command//%o/\"$out\"}
env -u DISPLAY sh -c "$command"
file "$out"
cp "$out" "$build/thumbnail.png"
echo "thumbnail: $build/thumbnail.png"
