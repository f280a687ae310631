#!/usr/bin/env bash
# Builds the program for the station board (Linux on ARMv7, 32-bit, hard float)
# and packs its application directory. The last line printed is the archive's
# path: build-board/vrx_gui-<version>-armv7.tar.gz, holding vrx_gui and
# fonts/OpenSansCondensed-Bold.ttf.
#
#   scripts/build-board.sh                        # Debian 12's cross compiler and armhf Qt
#   VRX_SYSROOT=<sdk sysroot> scripts/build-board.sh   # a board SDK's sysroot
#
# Installs what is missing (the armhf Qt packages only without VRX_SYSROOT);
# a second run installs nothing and rebuilds what changed. Fails, and prints
# no archive, when a package cannot be installed, when the sysroot has no Qt 5,
# or when the configure step or the compiler prints a warning.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)
BUILD=${VRX_BOARD_BUILD_DIR:-$ROOT/build-board}

fail() {
  echo "build-board: FAILED: $*" >&2
  exit 1
}

if [ -n "${VRX_SYSROOT:-}" ]; then
  bash scripts/deps.sh board-sysroot || fail "could not install the host's build tools"
  [ -d "$VRX_SYSROOT" ] || fail "the sysroot $VRX_SYSROOT is not a folder"
  VRX_SYSROOT=$(cd "$VRX_SYSROOT" && pwd)
  qt=$(find "$VRX_SYSROOT/usr/lib" "$VRX_SYSROOT/usr/local/lib" "$VRX_SYSROOT/opt" \
         -path '*/cmake/Qt5Core/Qt5CoreConfig.cmake' -print -quit 2>/dev/null || true)
  [ -n "$qt" ] || fail "the sysroot $VRX_SYSROOT has no Qt 5 (no lib/cmake/Qt5Core/Qt5CoreConfig.cmake)"
  SYSROOT_ARGS=(-DVRX_SYSROOT="$VRX_SYSROOT")
else
  bash scripts/deps.sh board || fail "could not install the cross compiler and the armhf Qt packages"
  SYSROOT_ARGS=()
fi

LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

mkdir -p "$BUILD"
# An archive of an earlier run must not outlive a run that fails.
rm -f "$BUILD"/vrx_gui-*.tar.gz
LOG=$BUILD/build-board.log
echo "build-board: configuring $BUILD"
if ! cmake -S . -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/armv7-linux-gnueabihf.cmake" \
     -DVRX_TARGET_BOARD=ON -DCMAKE_BUILD_TYPE=Release "${SYSROOT_ARGS[@]}" "${LAUNCHER[@]}" >"$LOG" 2>&1; then
  cat "$LOG" >&2
  fail "the configure step failed"
fi
if grep -q 'CMake Warning' "$LOG"; then
  cat "$LOG" >&2
  fail "the configure step printed a warning"
fi

echo "build-board: building"
if ! cmake --build "$BUILD" -j "$(nproc)" >>"$LOG" 2>&1; then
  grep -E 'error|Error' "$LOG" | head -n 20 >&2
  fail "the build failed (log: $LOG)"
fi
if grep -q 'warning:' "$LOG"; then
  grep -A3 'warning:' "$LOG" >&2
  # Cleaned so that the next run compiles the same files again and fails
  # again, rather than packing what was built with warnings.
  cmake --build "$BUILD" --target clean >/dev/null 2>&1 || true
  fail "the compiler printed warnings (log: $LOG)"
fi

echo "build-board: packing"
(cd "$BUILD" && cpack -G TGZ >>"$LOG" 2>&1) || fail "cpack failed (log: $LOG)"
archive=$(ls "$BUILD"/vrx_gui-*-armv7.tar.gz 2>/dev/null | head -n 1)
[ -n "$archive" ] || fail "cpack made no vrx_gui-<version>-armv7.tar.gz (log: $LOG)"
echo "$archive"
