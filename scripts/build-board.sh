#!/usr/bin/env bash
# Builds the program for the station board (Linux on ARMv7, 32-bit, hard float)
# and packs its application directory; checks the archive and prints what the
# program needs on the board. The last line printed is the archive's path:
# build-board/<Qt>/vrx_gui-<version>-armv7-qt<Qt version>.tar.gz, which
# unpacks into vrx_gui-<version>-armv7-qt<Qt version>/ holding vrx_gui and
# fonts/OpenSansCondensed-Bold.ttf.
#
#   scripts/build-board.sh                             # Debian 12's cross compiler and armhf Qt
#   VRX_BOARD_QT=<armhf Qt> scripts/build-board.sh     # a board SDK's Qt, such as Qt 5.9.8 for armhf
#   VRX_SYSROOT=<sdk sysroot> scripts/build-board.sh   # a board SDK's sysroot, Qt in it
#
# VRX_BOARD_QT is a Qt built for Debian's cross compiler and its C and C++
# runtimes (its lib/cmake holds Qt5Core); its own bin/ holds moc and rcc for
# this host, or VRX_HOST_QT_BIN names them. With VRX_SYSROOT every header and
# library comes from the sysroot; VRX_CROSS_PREFIX names the SDK's compiler
# (else clang is used). Each Qt and each sysroot gets a build folder of its own
# (VRX_BOARD_BUILD_DIR names another), so nothing cached carries over.
#
# Installs what is missing (Debian's armhf Qt packages only when neither is
# given); a second run installs nothing and rebuilds what changed. Fails, and
# prints no archive, when a package cannot be installed, the Qt or sysroot has
# no Qt 5, the configure step or the build prints a warning, or the archive
# check fails.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

fail() {
  echo "build-board: FAILED: $*" >&2
  exit 1
}

CMAKE_ARGS=()
if [ -n "${VRX_BOARD_QT:-}" ] && [ -n "${VRX_SYSROOT:-}" ]; then
  fail "VRX_BOARD_QT and VRX_SYSROOT both given: a Qt inside a sysroot is found through VRX_SYSROOT alone"
elif [ -n "${VRX_BOARD_QT:-}" ]; then
  bash scripts/deps.sh board-qt || fail "could not install the host's build tools and the cross compiler"
  [ -f "$VRX_BOARD_QT/lib/cmake/Qt5Core/Qt5CoreConfig.cmake" ] \
    || fail "VRX_BOARD_QT=$VRX_BOARD_QT is no Qt 5 (no lib/cmake/Qt5Core/Qt5CoreConfig.cmake)"
  qt=$(cd "$VRX_BOARD_QT" && pwd)
  key="qt $qt"
  name=$(basename "$qt")
  CMAKE_ARGS+=(-DCMAKE_PREFIX_PATH="$qt")
elif [ -n "${VRX_SYSROOT:-}" ]; then
  bash scripts/deps.sh board-sysroot || fail "could not install the host's build tools and the cross compiler"
  [ -d "$VRX_SYSROOT" ] || fail "the sysroot $VRX_SYSROOT is not a folder"
  sysroot=$(cd "$VRX_SYSROOT" && pwd)
  found=$(find "$sysroot/usr/lib" "$sysroot/usr/local/lib" "$sysroot/opt" \
            -path '*/cmake/Qt5Core/Qt5CoreConfig.cmake' -print -quit 2>/dev/null || true)
  [ -n "$found" ] || fail "the sysroot $sysroot has no Qt 5 (no lib/cmake/Qt5Core/Qt5CoreConfig.cmake)"
  key="sysroot $sysroot"
  name=sysroot-$(basename "$sysroot")
  CMAKE_ARGS+=(-DVRX_SYSROOT="$sysroot")
else
  bash scripts/deps.sh board || fail "could not install the cross compiler and the armhf Qt packages"
  key="debian"
  name=debian
fi
for setting in VRX_CROSS_PREFIX VRX_HOST_QT_BIN; do
  if [ -n "${!setting:-}" ]; then
    CMAKE_ARGS+=(-D"$setting=${!setting}")
    key+=" $setting=${!setting}"
  fi
done
# Two Qts or sysroots of the same folder name are told apart.
[ "$key" = debian ] || name+=-$(cksum <<<"$key" | cut -d' ' -f1)
BUILD=${VRX_BOARD_BUILD_DIR:-$ROOT/build-board/$name}

command -v ccache >/dev/null && CMAKE_ARGS+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

mkdir -p "$BUILD"
# A folder configured for another Qt, sysroot or compiler starts afresh.
if [ -f "$BUILD/CMakeCache.txt" ] && [ "$(cat "$BUILD/vrx-board-build" 2>/dev/null)" != "$key" ]; then
  echo "build-board: $BUILD was configured for another Qt or sysroot; configuring afresh"
  rm -rf "$BUILD/CMakeCache.txt" "$BUILD/CMakeFiles"
fi
# An archive of an earlier run must not outlive a run that fails.
rm -f "$BUILD"/vrx_gui-*.tar.gz
LOG=$BUILD/build-board.log
echo "build-board: configuring $BUILD ($key)"
if ! cmake -S . -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/armv7-linux-gnueabihf.cmake" \
     -DVRX_TARGET_BOARD=ON -DCMAKE_BUILD_TYPE=Release "${CMAKE_ARGS[@]}" >"$LOG" 2>&1; then
  cat "$LOG" >&2
  fail "the configure step failed"
fi
echo "$key" >"$BUILD/vrx-board-build"

echo "build-board: building"
if ! cmake --build "$BUILD" -j "$(nproc)" >>"$LOG" 2>&1; then
  grep -E 'error|Error' "$LOG" | head -n 20 >&2 || true
  fail "the build failed (log: $LOG)"
fi
bash scripts/fail_on_warnings.sh "$BUILD" "$LOG" build-board

echo "build-board: packing"
(cd "$BUILD" && cpack -G TGZ >>"$LOG" 2>&1) || fail "cpack failed (log: $LOG)"
archives=("$BUILD"/vrx_gui-*-armv7-qt*.tar.gz)
[ -f "${archives[0]}" ] || fail "cpack made no vrx_gui-<version>-armv7-qt<Qt version>.tar.gz (log: $LOG)"
archive=${archives[0]}
if ! bash scripts/check_board_archive.sh "$archive"; then
  rm -f "$archive"
  fail "the archive was not what the board runs; removed"
fi
echo "$archive"
