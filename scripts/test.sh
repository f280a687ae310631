#!/usr/bin/env bash
# Installs what is missing, builds with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs every test through CTest; builds for the board's architecture (ARMv7,
# 32-bit, hard float) and runs the in-process suites there under qemu-user;
# builds and checks the board's archive; then runs the fuzz targets for a
# bounded time. Cheap checks come first.
#
# Given the board's Qt 5.9.8 (.ci/run gives both, from ../shared/qt), each a
# folder or its .tar.xz (unpacked into build-qt/), it also tests against it:
#   VRX_QT598_X86    Qt 5.9.8 for x86-64: a second sanitizer build, every
#                    suite on both dispatchers;
#   VRX_QT598_ARMHF  Qt 5.9.8 for armhf, as a board SDK gives it: a cross
#                    build with the suites' seams and its in-process suites
#                    under qemu (on Qt's own dispatcher: that Qt has no glib),
#                    the board's archive against it (build-board.sh with
#                    VRX_BOARD_QT), and that archive's vrx_gui started under qemu.
# Without them it says plainly that the Qt 5.9 steps did not run.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

fail() {
  echo "test: FAILED: $*" >&2
  exit 1
}

QT598_X86=${VRX_QT598_X86:-}
QT598_ARMHF=${VRX_QT598_ARMHF:-}
if { [ -n "$QT598_X86" ] && [ -z "$QT598_ARMHF" ]; } || { [ -z "$QT598_X86" ] && [ -n "$QT598_ARMHF" ]; }; then
  fail "VRX_QT598_X86 and VRX_QT598_ARMHF must be given together"
fi
QT598=no
[ -n "$QT598_X86" ] && QT598=yes
NOT_RUN="test: the Qt 5.9 steps did NOT run: VRX_QT598_X86 and VRX_QT598_ARMHF were not given (.ci/run gives them)"
[ $QT598 = yes ] || echo "$NOT_RUN"

# Everything the run needs, in one installation.
SETS=(desktop board qemu)
[[ $QT598_X86$QT598_ARMHF == *.tar.xz* ]] && SETS+=(archives)
bash scripts/deps.sh "${SETS[@]}"

# A Qt given as its .tar.xz is unpacked into build-qt/ (again only when the
# archive changed); prints the Qt's folder.
unpacked_qt() {
  local given=$1 dir stamp
  if [ -d "$given" ]; then
    dir=$(cd "$given" && pwd)
  else
    [ -f "$given" ] || fail "the board's Qt $given is missing"
    dir=$ROOT/build-qt/$(basename "$given" .tar.xz)
    stamp="$(realpath "$given") $(stat -c '%s %Y' "$given")"
    if [ "$(cat "$dir.from" 2>/dev/null)" != "$stamp" ]; then
      rm -rf "$dir" "$dir.from"
      mkdir -p "$ROOT/build-qt"
      tar -xJf "$given" -C "$ROOT/build-qt" || fail "cannot unpack $given"
      echo "$stamp" >"$dir.from"
    fi
  fi
  [ -f "$dir/lib/cmake/Qt5Core/Qt5CoreConfig.cmake" ] || fail "$given holds no Qt 5 (no lib/cmake/Qt5Core in $dir)"
  echo "$dir"
}
if [ $QT598 = yes ]; then
  QT598_X86=$(unpacked_qt "$QT598_X86")
  QT598_ARMHF=$(unpacked_qt "$QT598_ARMHF")
  echo "test: [${SECONDS}s] the board's Qt 5.9.8: $QT598_X86 (x86-64), $QT598_ARMHF (armhf)"
fi

BUILD=${VRX_TEST_BUILD_DIR:-$ROOT/build-test}
ARMHF=${VRX_ARMHF_BUILD_DIR:-$ROOT/build-armhf}
BUILD598=$BUILD-qt598
ARMHF598=$ARMHF-qt598
JOBS=$(nproc)
LAUNCHER=()
command -v ccache >/dev/null && LAUNCHER=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Debug -DVRX_SANITIZE=ON "${LAUNCHER[@]}" >/dev/null
if [ $QT598 = yes ]; then
  # Its bin/ named as a board SDK's host tools are: moc and rcc from there,
  # lrelease (which it lacks) from elsewhere.
  cmake -S . -B "$BUILD598" -DCMAKE_BUILD_TYPE=Debug -DVRX_SANITIZE=ON -DCMAKE_PREFIX_PATH="$QT598_X86" \
    -DVRX_HOST_QT_BIN="$QT598_X86/bin" "${LAUNCHER[@]}" >/dev/null
fi
# Includes between folders run one way: checked before anything is compiled,
# with the include folders the configured build gives each file.
bash scripts/check_layers.sh "$BUILD"
# Every operator text of the sources is in both catalogues, translated.
bash scripts/check_translations.sh
echo "test: [${SECONDS}s] the packages are there; building in $BUILD"
cmake --build "$BUILD" -j "$JOBS"

# Namespaces for the programs run under qemu-user. Each run has its own PID
# and network namespaces: under qemu-user, Qt's process start can take -1 for
# a child's id (qemu refuses the clone that returns a process descriptor), and
# a kill() of that id signals every process in the namespace; the servers'
# ports stay inside too.
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
# Left out under qemu, each because it starts other programs as processes:
QEMU_LEFT_OUT=(
  tst_controller_emulator  # starts controller_emu and socat
  tst_program_flood        # starts vrx_gui and controller_emu
  tst_program_link         # starts vrx_gui and controller_emu
  tst_program_modbus       # starts vrx_gui and controller_emu
  tst_program_panel        # starts vrx_gui and controller_emu
  tst_program_servers      # starts vrx_gui and controller_emu
  tst_program_settings     # starts vrx_gui and controller_emu
  tst_program_update       # starts vrx_gui and controller_emu
)
# What the armhf Qt 5.9.8's programs need under qemu: the cross C library
# (Debian's libc6-armhf-cross, searched before the host's loader cache), the
# Qt's libraries, plugins and fonts.
QEMU598_ENV=()
[ $QT598 = yes ] && QEMU598_ENV=(QEMU_LD_PREFIX=/usr/arm-linux-gnueabihf LD_LIBRARY_PATH="$QT598_ARMHF/lib:/lib"
  QT_PLUGIN_PATH="$QT598_ARMHF/plugins" QT_QPA_FONTDIR="$QT598_ARMHF/lib/fonts")

# A build for armhf without the board flag, so that the suites' seams are
# there; a warning fails it, every run.
armhf_build() {  # <build dir> [cmake arguments]
  local build=$1 log=$1/armhf-build.log
  shift
  mkdir -p "$build"
  echo "test: [${SECONDS}s] building for armhf in $build (log: $log)"
  if ! { cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/armv7-linux-gnueabihf.cmake" \
           -DCMAKE_BUILD_TYPE=Release "${LAUNCHER[@]}" "$@" &&
         nice cmake --build "$build" -j "$JOBS"; } >"$log" 2>&1; then
    grep -E 'error|Error' "$log" | head -n 30 || true
    echo "test: FAILED: the armhf build in $build failed (log: $log)"
    return 1
  fi
  bash scripts/fail_on_warnings.sh "$build" "$log" "test: the armhf build in $build"
  echo "test: [${SECONDS}s] the armhf build in $build done, 0 warnings"
}

# The in-process suites of an armhf build under qemu-user (the toolchain file
# makes it CTest's emulator); none found is a failure.
qemu_suites() {  # <build dir> [VARIABLE=value...]
  local build=$1 left_out
  shift
  left_out=$(IFS='|'; echo "${QEMU_LEFT_OUT[*]}")
  echo "test: [${SECONDS}s] the in-process suites of $build under qemu-user (left out: ${QEMU_LEFT_OUT[*]})"
  "${UNSHARE[@]}" env "$@" bash -c "$MOUNT_PROC"' ip link set lo up && cd "$1" &&
    ctest --no-tests=error --output-on-failure -j "$2" -E "$3"' qemu-suites "$build" "$JOBS" "^($left_out)\$"
}

# The board's archive by scripts/build-board.sh, checked there; its path goes to <file>.
board_archive() {  # <file> [VARIABLE=value...]
  local out=$1
  shift
  echo "test: [${SECONDS}s] the board's build and archive, $([ $# -gt 0 ] && echo "$*" || echo "Debian's armhf Qt")"
  env "$@" bash scripts/build-board.sh | tee "$out.log"
  tail -n 1 "$out.log" >"$out"
}

# The board archive's vrx_gui under qemu-user with the armhf Qt, as on the
# board: offscreen, as an unprivileged user, every symbol bound at start
# (LD_BIND_NOW=1: one the board's Qt lacks stops it at once), in PID and
# network namespaces of its own, without a controller. It must start, load
# its resources and every parameter of its database, and end on SIGTERM, and
# it must have run with that Qt's Core: a wrong library path would run it
# with Debian's armhf Qt 5.15, which has every symbol and proves nothing.
board_program_runs() {  # <archive> <armhf Qt> [VARIABLE=value...]
  local archive=$1 qt=$2 run dir expected status=0
  shift 2
  run=$(mktemp -d)
  tar -xzf "$archive" -C "$run"
  dir=$run/$(basename "$archive" .tar.gz)
  expected=$(($(wc -l <resources/database/parameters.csv) - 1))
  local as_user=()
  if [ "$(id -u)" -eq 0 ]; then
    chown -R 65534:65534 "$run"
    as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups)
  fi
  echo "test: [${SECONDS}s] $(basename "$archive")'s vrx_gui under qemu-user with $qt"
  # env takes the variables, then the user change (as_user), then qemu.
  "${UNSHARE[@]}" bash -c "$MOUNT_PROC"' cd "$1" || exit 1
    env -i PATH="$PATH" HOME="$1" QT_QPA_PLATFORM=offscreen LD_BIND_NOW=1 "${@:4}" qemu-arm-static ./vrx_gui \
      >"$2" 2>&1 &
    pid=$!
    # Up to 60 s for the parameters, then 3 s more of running.
    for _ in $(seq 600); do
      grep -q "^Number of parameters: " "$2" && break
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
    sleep 3
    # qemu maps the guest libraries from their files: the Core it runs with.
    grep -o "/[^ ]*/libQt5Core\.so[^ ]*" "/proc/$pid/maps" 2>/dev/null | sort -u >"$3"
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 200); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    if kill -KILL "$pid" 2>/dev/null; then echo "vrx_gui did not end within 20 s of SIGTERM" >>"$2"; fi
    wait "$pid"' board-program "$dir" "$run/vrx_gui.log" "$run/qt-core" "$@" "${as_user[@]}" || status=$?
  local log=$run/vrx_gui.log faults=() core
  core=$(cat "$run/qt-core" 2>/dev/null || true)
  [[ $core == "$(cd "$qt" && pwd -P)"/lib/libQt5Core.so* && $core != *$'\n'* ]] ||
    faults+=("it ran with the Qt Core ${core:-(none seen)}, not $qt's")
  [ "$status" -eq 0 ] || faults+=("it ended with status $status")
  grep -q '^\*\*\* Run application! \*\*\*$' "$log" || faults+=("it did not start")
  grep -q "^Number of parameters: $expected\$" "$log" || faults+=("it did not load its $expected parameters")
  grep -q '^\*\*\* Quit application! \*\*\*$' "$log" || faults+=("it did not quit on SIGTERM")
  if [ ${#faults[@]} -gt 0 ]; then
    head -n 40 "$log"
    local joined
    joined=$(printf '%s; ' "${faults[@]}")
    echo "test: FAILED: the board's vrx_gui under qemu: ${joined%; }"
    rm -rf "$run"
    return 1
  fi
  echo "test: [${SECONDS}s] the board's vrx_gui started as $(if [ ${#as_user[@]} -gt 0 ]; then echo "user 65534"; else id -un; fi)," \
       "loaded its resources and $expected parameters, and ended on SIGTERM with status 0"
  rm -rf "$run"
}

# Beside the host's suites (they mostly wait on sockets and timers), at a
# lower priority: two chains, each an ARM build, its suites under qemu and the
# board's archive against the same Qt (Debian's; Qt 5.9.8), and the host build
# against Qt 5.9.8. Each in a process group of its own, so that a failure of
# the host's suites stops them all; a chain's output goes to its log, shown
# when it ends.
LOGS=()
PIDS=()
set -m
mkdir -p "$ARMHF"
LOGS+=("$ARMHF/arm-steps.log")
(
  set -e
  armhf_build "$ARMHF"
  qemu_suites "$ARMHF"
  board_archive "$ARMHF/board-archive"
) >"${LOGS[-1]}" 2>&1 &
PIDS+=($!)
if [ $QT598 = yes ]; then
  mkdir -p "$ARMHF598"
  LOGS+=("$ARMHF598/arm-steps.log")
  (
    set -e
    armhf_build "$ARMHF598" -DCMAKE_PREFIX_PATH="$QT598_ARMHF"
    qemu_suites "$ARMHF598" "${QEMU598_ENV[@]}"
    board_archive "$ARMHF598/board-archive" VRX_BOARD_QT="$QT598_ARMHF"
    board_program_runs "$(cat "$ARMHF598/board-archive")" "$QT598_ARMHF" "${QEMU598_ENV[@]}"
  ) >"${LOGS[-1]}" 2>&1 &
  PIDS+=($!)
  (nice cmake --build "$BUILD598" -j "$JOBS" >"$BUILD598/build.log" 2>&1) &
  BUILD598_PID=$!
  PIDS+=("$BUILD598_PID")
fi
set +m
echo "test: [${SECONDS}s] beside the host's suites: the ARM builds, their suites under qemu and the board's archives" \
     "(logs: ${LOGS[*]})"
trap 'for pid in "${PIDS[@]}"; do kill -- -"$pid" 2>/dev/null || true; done' EXIT

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
echo "test: [${SECONDS}s] every suite, as Qt starts them"
(cd "$BUILD" && ctest --output-on-failure -j "$JOBS")
# The board's Qt may be built without glib and then runs Qt's own event
# dispatcher: the same suites run again on it, from the same build.
echo "test: [${SECONDS}s] the suites again on Qt's own event dispatcher (QT_NO_GLIB=1)"
(cd "$BUILD" && QT_NO_GLIB=1 ctest --output-on-failure -j "$JOBS")

if [ $QT598 = yes ]; then
  wait "$BUILD598_PID" || { tail -n 40 "$BUILD598/build.log" >&2; fail "the build against Qt 5.9.8 failed (log: $BUILD598/build.log)"; }
  bash scripts/fail_on_warnings.sh "$BUILD598" "$BUILD598/build.log" "test: the build against Qt 5.9.8"
  # After the suites above, never beside them: the program's suites use the
  # station's fixed ports. Its plugins are Qt 5.9.8's.
  echo "test: [${SECONDS}s] every suite against Qt 5.9.8 ($QT598_X86), as Qt starts them, then with QT_NO_GLIB=1"
  (cd "$BUILD598" && QT_PLUGIN_PATH="$QT598_X86/plugins" ctest --no-tests=error --output-on-failure -j "$JOBS")
  (cd "$BUILD598" && QT_PLUGIN_PATH="$QT598_X86/plugins" QT_NO_GLIB=1 ctest --no-tests=error --output-on-failure -j "$JOBS")
fi

arm_failed=0
for i in "${!LOGS[@]}"; do
  status=0
  wait "${PIDS[$i]}" || status=$?
  cat "${LOGS[$i]}"
  [ "$status" -eq 0 ] || { echo "test: FAILED: an ARM step failed (log: ${LOGS[$i]})" >&2; arm_failed=1; }
done
trap - EXIT
[ "$arm_failed" -eq 0 ] || exit 1

if [ -x scripts/fuzz.sh ]; then
  echo "test: [${SECONDS}s] the fuzz targets"
  bash scripts/fuzz.sh
fi
echo "test: [${SECONDS}s] done"
[ $QT598 = yes ] || echo "$NOT_RUN"
