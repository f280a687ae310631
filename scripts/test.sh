#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test through CTest (then the fuzz targets for a bounded time).
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

bash scripts/deps.sh

BUILD=${VRX_TEST_BUILD_DIR:-$ROOT/build-test}
JOBS=$(nproc)
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVRX_SANITIZE=ON >/dev/null
# Includes between folders run one way: checked before anything is compiled,
# with the include folders the configured build gives each file.
bash scripts/check_layers.sh "$BUILD"
cmake --build "$BUILD" -j "$JOBS"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$BUILD" && ctest --output-on-failure -j "$JOBS")
# The board's Qt may be built without glib and then runs Qt's own event
# dispatcher: the same suites run again on it, from the same build.
echo "test: the suites again on Qt's own event dispatcher (QT_NO_GLIB=1)"
(cd "$BUILD" && QT_NO_GLIB=1 ctest --output-on-failure -j "$JOBS")

# Every operator text of the sources is in both catalogues, translated.
bash scripts/check_translations.sh

if [ -x scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh
fi
