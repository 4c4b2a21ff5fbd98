#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (ASan + UBSan) in build-fuzz/ and
# runs them, each single-threaded, seeded from the public corpus and the
# tests' own inputs. Not part of ./test.sh.
#
#   scripts/fuzz.sh [--build-only] [--time SECONDS] [--max-len BYTES] [TARGET...]
#
# TARGET is fuzz_vrml_read, fuzz_binding_file, fuzz_write_reread or one of
# the mesh importer's fuzz_import_stl, _obj, _ply and _off (all by default,
# run at the same time). Logs go to $FUZZ_LOGS
# (/tmp/vantor-fuzz-logs), crash, leak and timeout inputs to
# $FUZZ_ARTIFACTS (/tmp/vantor-fuzz-artifacts); the growing corpora live in
# build-fuzz/corpus/<target>/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
seconds=1200
build_only=0
max_len=65536
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --build-only) build_only=1 ;;
    --time) seconds=$2; shift ;;
    --max-len) max_len=$2; shift ;;
    *) targets+=("$1") ;;
  esac
  shift
done
[ ${#targets[@]} -eq 0 ] && targets=(fuzz_vrml_read fuzz_binding_file fuzz_write_reread
  fuzz_import_stl fuzz_import_obj fuzz_import_ply fuzz_import_off)
logs=${FUZZ_LOGS:-/tmp/vantor-fuzz-logs}
artifacts=${FUZZ_ARTIFACTS:-/tmp/vantor-fuzz-artifacts}

if ! command -v clang++ >/dev/null 2>&1; then
  echo "clang++ is missing: apt-get install clang libclang-rt-dev" >&2
  exit 1
fi
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$build/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVANTOR_SANITIZE=ON -DVANTOR_CORE_ONLY=ON -DVANTOR_FUZZ=ON "${launcher[@]}"
fi
cmake --build "$build" -j 2 --target "${targets[@]}"
[ "$build_only" -eq 1 ] && exit 0

# Seeds: small real files (large ones only slow the mutations down).
seed_vrml=$build/seeds/vrml
seed_cfg=$build/seeds/cfg
rm -rf "$build/seeds"
mkdir -p "$seed_vrml" "$seed_cfg" "$logs" "$artifacts"
corpus=$root/../shared/corpus
for dir in "$corpus" "$root/tests/inputs"; do
  [ -d "$dir" ] || continue
  find "$dir" -type f -size -64k \( -iname '*.wrl' -o -iname '*.wrl.gz' -o -iname '*.wrz' \) \
    -exec cp --backup=numbered -t "$seed_vrml" {} +
done
find "$root/tests/inputs" "$root/data" -type f -iname '*.cfg' -exec cp --backup=numbered -t "$seed_cfg" {} + 2>/dev/null || true

export ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1
export LSAN_OPTIONS=suppressions=$root/fuzz/lsan.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
pids=()
for target in "${targets[@]}"; do
  seeds=$seed_vrml
  dict=$root/fuzz/vrml.dict
  if [ "$target" = fuzz_binding_file ]; then
    seeds=$seed_cfg
    dict=$root/fuzz/binding.dict
  elif [[ "$target" == fuzz_import_* ]]; then
    seeds=$build/seeds/${target#fuzz_import_}
    mkdir -p "$seeds"
    cp "$root"/fuzz/import_seeds/*."${target#fuzz_import_}" "$seeds"/
    dict=$root/fuzz/import.dict
  fi
  work=$build/corpus/$target
  mkdir -p "$work" "$artifacts/$target"
  nohup "$build/bin/$target" "$work" "$seeds" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -timeout=20 -max_len="$max_len" -dict="$dict" -print_final_stats=1 \
    -artifact_prefix="$artifacts/$target/" >"$logs/$target.log" 2>&1 &
  pids+=($!)
  echo "$target: pid $!, log $logs/$target.log"
done
status=0
for pid in "${pids[@]}"; do wait "$pid" || status=1; done
exit $status
