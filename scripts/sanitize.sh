#!/usr/bin/env bash
# Builds the core, the CLI and the core tests with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-sanitize/, runs the tests, then reads
# and converts every file of the public corpus with korvalde-cli. Any
# sanitizer report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-sanitize
"$root/scripts/deps.sh"
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/build.ninja" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTOR_SANITIZE=ON -DVANTOR_CORE_ONLY=ON "${launcher[@]}"
fi
cmake --build "$build" -j 2

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Assimp leaks on some broken files inside its own readers.
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp
(cd "$build" && ctest --output-on-failure -j "$(nproc)")

corpus=$root/../shared/corpus
if [ ! -d "$corpus" ]; then
  echo "corpus folder absent: skipping the corpus pass"
  exit 0
fi
cli=$build/bin/korvalde-cli
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
count=0
failed=0
while IFS= read -r -d '' file; do
  count=$((count + 1))
  # A file the reader refuses is fine; a sanitizer report (exit 1 with a
  # report on stderr, or a signal) is not.
  for step in info convert; do
    if [ "$step" = info ]; then
      args=(info --log "$scratch/log" "$file")
    else
      args=(convert "$file" "$scratch/out.wrl")
    fi
    if ! "$cli" "${args[@]}" >/dev/null 2>"$scratch/err"; then
      if grep -qE 'Sanitizer|runtime error' "$scratch/err" || [ "$(wc -c <"$scratch/err")" -eq 0 ]; then
        echo "FAILED: korvalde-cli $step $file"; cat "$scratch/err"; failed=$((failed + 1))
      fi
    elif grep -qE 'Sanitizer|runtime error' "$scratch/err"; then
      echo "FAILED: korvalde-cli $step $file"; cat "$scratch/err"; failed=$((failed + 1))
    fi
  done
done < <(find "$corpus" -type f \( -iname '*.wrl' -o -iname '*.wrl.gz' -o -iname '*.wrz' \) -print0)
echo "corpus pass: $count files, $failed failed"
[ "$failed" -eq 0 ]
