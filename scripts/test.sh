#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test through CTest; builds for the board's architecture (ARMv7,
# 32-bit, hard float) and runs the in-process suites there under qemu-user;
# builds and checks the board's archive; then runs the fuzz targets for a
# bounded time. Cheap checks come first.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

# Everything the run needs, in one installation.
bash scripts/deps.sh desktop board qemu

BUILD=${VRX_TEST_BUILD_DIR:-$ROOT/build-test}
ARMHF=${VRX_ARMHF_BUILD_DIR:-$ROOT/build-armhf}
JOBS=$(nproc)
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVRX_SANITIZE=ON "${LAUNCHER[@]}" >/dev/null
# Includes between folders run one way: checked before anything is compiled,
# with the include folders the configured build gives each file.
bash scripts/check_layers.sh "$BUILD"
# Every operator text of the sources is in both catalogues, translated.
bash scripts/check_translations.sh
cmake --build "$BUILD" -j "$JOBS"

# The build for the board's architecture, without the board flag so that the
# suites' seams are there. It compiles while the host's suites run (they
# mostly wait on sockets and timers); its output goes to a log, shown when it
# fails.
mkdir -p "$ARMHF"
ARMHF_LOG=$ARMHF/armhf-build.log
echo "test: building for armhf in $ARMHF (log: $ARMHF_LOG), beside the host's suites"
# In a session of its own, so that a failure of the host's suites stops the
# whole build with it.
setsid bash -c 'cmake -S . -B "$1" -DCMAKE_TOOLCHAIN_FILE="$2" -DCMAKE_BUILD_TYPE=Release "${@:4}" &&
                cmake --build "$1" -j "$3"' \
  armhf-build "$ARMHF" "$ROOT/cmake/armv7-linux-gnueabihf.cmake" "$JOBS" "${LAUNCHER[@]}" >"$ARMHF_LOG" 2>&1 &
ARMHF_PID=$!
trap 'kill -- -"$ARMHF_PID" 2>/dev/null || true' EXIT

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd "$BUILD" && ctest --output-on-failure -j "$JOBS")
# The board's Qt may be built without glib and then runs Qt's own event
# dispatcher: the same suites run again on it, from the same build.
echo "test: the suites again on Qt's own event dispatcher (QT_NO_GLIB=1)"
(cd "$BUILD" && QT_NO_GLIB=1 ctest --output-on-failure -j "$JOBS")

if ! wait "$ARMHF_PID"; then
  grep -E 'error|Error' "$ARMHF_LOG" | head -n 30 >&2
  echo "test: FAILED: the armhf build failed (log: $ARMHF_LOG)" >&2
  exit 1
fi
trap - EXIT
warnings=$(grep -c 'warning:' "$ARMHF_LOG" || true)
if [ "$warnings" -ne 0 ]; then
  grep -A3 'warning:' "$ARMHF_LOG" >&2
  echo "test: FAILED: the armhf build printed $warnings compiler warnings (log: $ARMHF_LOG)" >&2
  exit 1
fi
echo "test: armhf build done, 0 compiler warnings"

# The in-process suites on ARM, under qemu-user (the toolchain file makes it
# CTest's emulator). Each run has its own PID and network namespaces: under
# qemu-user, Qt's process start can take -1 for a child's id (qemu refuses the
# clone that returns a process descriptor), and a kill() of that id signals
# every process in the namespace; the servers' ports stay inside too.
# Left out under qemu, each because it starts other programs as processes:
QEMU_LEFT_OUT=(
  tst_controller_emulator  # starts controller_emu and socat
  tst_program_flood        # starts vrx_gui and controller_emu
  tst_program_link         # starts vrx_gui and controller_emu
  tst_program_panel        # starts vrx_gui and controller_emu
  tst_program_servers      # starts vrx_gui and controller_emu
  tst_program_settings     # starts vrx_gui and controller_emu
  tst_program_update       # starts vrx_gui and controller_emu
)
USER_NS=()
[ "$(id -u)" -eq 0 ] || USER_NS=(-r)
if unshare "${USER_NS[@]}" -m --mount-proc true 2>/dev/null; then
  UNSHARE=(unshare "${USER_NS[@]}" -n -p -f --mount-proc)
  MOUNT_PROC=""
else
  # In a chroot, whose root is no mount point, unshare cannot make the root
  # private: the chroot's /proc is made private and the namespace's proc
  # mounted on it by hand.
  UNSHARE=(unshare "${USER_NS[@]}" -n -p -f -m --propagation unchanged)
  MOUNT_PROC="mount --make-private /proc && mount -t proc proc /proc &&"
fi
echo "test: the in-process suites on armhf under qemu-user (left out: ${QEMU_LEFT_OUT[*]})"
left_out=$(IFS='|'; echo "${QEMU_LEFT_OUT[*]}")
"${UNSHARE[@]}" bash -c "$MOUNT_PROC"' ip link set lo up && cd "$1" && ctest --output-on-failure -j "$2" -E "$3"' \
  qemu-suites "$ARMHF" "$JOBS" "^($left_out)\$"

# The board's archive, as scripts/build-board.sh makes it, and what it holds.
echo "test: the board's build and archive"
board_out=$(mktemp)
bash scripts/build-board.sh | tee "$board_out"
archive=$(tail -n 1 "$board_out")
rm -f "$board_out"
bash scripts/check_board_archive.sh "$archive"

if [ -x scripts/fuzz.sh ]; then
  bash scripts/fuzz.sh
fi
