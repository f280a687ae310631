#!/usr/bin/env bash
# Each way a script names the folder it builds in, and a path deeper down
# that names no build folder.
ROOT=$(pwd)
BUILD=${VRX_TEST_BUILD_DIR:-$ROOT/build-test}
cmake -S . -B "$BUILD"
cmake -S . -B "$BUILD-qt"
for qt in 598; do
  cmake -S . -B "${ROOT}/build-qt$qt"
done
cmake -S . -B out
cp recipe.txt "$ROOT/core/store/builders/"
