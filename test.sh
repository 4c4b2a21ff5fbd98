#!/usr/bin/env bash
# Builds everything (installing missing packages first) and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/build.sh"
cd "$root/build"
exec ctest --output-on-failure -j "$(nproc)" "$@"
