#!/usr/bin/env bash
# Builds everything (installing missing packages first) and runs every test.
# Without an X display the run goes under Xvfb for the window tests.
# ./test.sh --sanitize runs the sanitizer pass instead (core, CLI, corpus).
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = "--sanitize" ]; then
  exec "$root/scripts/sanitize.sh"
fi
"$root/scripts/build.sh"
cd "$root/build"
ctest_cmd=(ctest --output-on-failure -j "$(nproc)" "$@")
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "${ctest_cmd[@]}"
fi
exec "${ctest_cmd[@]}"
