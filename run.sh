#!/usr/bin/env bash
# Builds everything (installing missing packages first) and starts the viewer.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh"
model=${1:-$root/build/bin/sample.wrl}
exec "$root/build/bin/korvalde" "$model"
