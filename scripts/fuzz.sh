#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs them side by side, each for a
# bounded time (VRX_FUZZ_SECONDS, 30 by default).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${VRX_FUZZ_BUILD_DIR:-$ROOT/build-fuzz}
SECONDS_PER_TARGET=${VRX_FUZZ_SECONDS:-30}

CC=clang CXX=clang++ cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVRX_SANITIZE=ON -DVRX_FUZZ=ON >/dev/null
# Only the fuzz targets (and what they link), not the whole tree a second time.
targets=$(cmake --build "$BUILD" --target help | awk '/^\.\.\. fuzz_/ && $2 !~ /_autogen$/ {print $2}' | sort)
if [ -z "$targets" ]; then
  echo "fuzz: no fuzz targets found" >&2
  exit 1
fi
# shellcheck disable=SC2086
cmake --build "$BUILD" -j "$(nproc)" --target $targets >/dev/null

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
pids=()
for name in $targets; do
  target=$(find "$BUILD" -type f -name "$name" -perm -u+x | head -n 1)
  [ -n "$target" ] || { echo "fuzz: $name was not built" >&2; exit 1; }
  corpus="$BUILD/corpus/$name"
  mkdir -p "$corpus"
  "$target" -max_total_time="$SECONDS_PER_TARGET" -rss_limit_mb=2048 -print_final_stats=0 \
      "$corpus" >"$BUILD/$name.log" 2>&1 &
  pids+=("$!:$name")
done
status=0
for entry in "${pids[@]}"; do
  pid=${entry%%:*}
  name=${entry#*:}
  if wait "$pid"; then
    echo "fuzz: $name ran ${SECONDS_PER_TARGET}s without a finding"
  else
    echo "fuzz: $name FOUND A FAILURE:"
    tail -n 40 "$BUILD/$name.log"
    status=1
  fi
done
exit $status
