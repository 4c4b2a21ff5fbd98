#!/usr/bin/env bash
# Installs the Debian packages the whole system needs, only those that are missing.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config ccache
  qt6-base-dev libqt6opengl6-dev qt6-image-formats-plugins
  libgl-dev libglu1-mesa-dev libegl-dev libgl1-mesa-dri
  libsqlite3-dev zlib1g-dev libassimp-dev
  libgtest-dev libbenchmark-dev
  xvfb xauth fonts-ipafont-gothic fonts-liberation2
  qt6-tools-dev qt6-l10n-tools
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

install_line="apt-get install -y --no-install-recommends ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $install_line
elif command -v sudo >/dev/null 2>&1; then
  sudo apt-get update -qq
  sudo DEBIAN_FRONTEND=noninteractive $install_line
else
  echo "Missing packages. Run as root:" >&2
  echo "  apt-get update && $install_line" >&2
  exit 1
fi
