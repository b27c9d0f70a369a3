#!/usr/bin/env bash
# Builds the fuzz harnesses (clang, libFuzzer, ASan, UBSan) in their own folder and runs each for
# FUZZ_SECONDS seconds on a working copy of its seed corpus. Fails on any crash, leak, sanitizer
# report or time-out; a failing input is kept under <build>/artifacts/.
# Usage: scripts/fuzz.sh [harness ...]   (default: every harness)
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_DIR=${FUZZ_DIR:-build-fuzz}
FUZZ_SECONDS=${FUZZ_SECONDS:-60}
JOBS=${JOBS:-$(nproc 2>/dev/null || echo 2)}

bash scripts/setup-deps.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B "$FUZZ_DIR" -DSTACKLINKS_FUZZ=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$FUZZ_DIR" --target fuzzers -j "$JOBS"

harnesses=("$@")
if [ ${#harnesses[@]} -eq 0 ]; then
  for source in tests/fuzz/*_fuzz.cpp; do
    name=$(basename "$source" _fuzz.cpp)
    harnesses+=("$name")
  done
fi

mkdir -p "$FUZZ_DIR/logs" "$FUZZ_DIR/artifacts"
failed=()
for name in "${harnesses[@]}"; do
  work="$FUZZ_DIR/corpus/$name"
  log="$FUZZ_DIR/logs/$name.log"
  mkdir -p "$work"
  echo "== fuzz_$name: $FUZZ_SECONDS s"
  if "$FUZZ_DIR/bin/fuzz_$name" "$work" "tests/fuzz/corpus/$name" \
       -max_total_time="$FUZZ_SECONDS" -timeout=10 -rss_limit_mb=2048 -print_final_stats=0 \
       -artifact_prefix="$FUZZ_DIR/artifacts/$name-" >"$log" 2>&1; then
    grep -E '^Done [0-9]+ runs' "$log" || { echo "no summary line"; failed+=("$name"); }
  else
    tail -n 60 "$log"
    echo "fuzz_$name FAILED (log: $log)"
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "Fuzzing found problems in: ${failed[*]}" >&2
  exit 1
fi
echo "All ${#harnesses[@]} harnesses ran without a finding."
