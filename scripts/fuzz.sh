#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${VRX_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
SECONDS_PER_TARGET=${VRX_FUZZ_SECONDS:-30}

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVRX_SANITIZE=ON -DVRX_FUZZ=ON >/dev/null
cmake --build "$BUILD" -j "$(nproc)" >/dev/null

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
status=0
for target in $(find "$BUILD" -type f -name "fuzz_*" -perm -u+x | sort); do
  [ -f "$target" ] && [ -x "$target" ] || continue
  name=$(basename "$target")
  corpus="$BUILD/corpus/$name"
  mkdir -p "$corpus"
  if "$target" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=4096 -print_final_stats=0 \
       "$corpus" >"$BUILD/$name.log" 2>&1; then
    echo "fuzz: $name ran ${SECONDS_PER_TARGET}s without a finding"
  else
    echo "fuzz: $name FOUND A FAILURE:"
    tail -n 40 "$BUILD/$name.log"
    status=1
  fi
done
exit $status
