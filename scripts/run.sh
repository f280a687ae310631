#!/usr/bin/env bash
# Installs what is missing, builds, starts the controller emulator and the program.
# On a machine without a display the program serves its screen over VNC.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$(pwd)

bash scripts/deps.sh

BUILD=${VRX_BUILD_DIR:-$ROOT/build}
cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" -j "$(nproc)"

RUNDIR=${VRX_RUN_DIR:-$BUILD/run}
mkdir -p "$RUNDIR"
cp "$BUILD/vrx_gui" "$RUNDIR/"
# The program loads its font from fonts/ beside itself.
if [ -d "$BUILD/fonts" ]; then
  mkdir -p "$RUNDIR/fonts"
  cp "$BUILD"/fonts/*.ttf "$RUNDIR/fonts/"
fi

cleanup() {
  [ -n "${EMU_PID:-}" ] && kill "$EMU_PID" 2>/dev/null || true
}
trap cleanup EXIT

if [ -x "$BUILD/emulator/controller_emu" ]; then
  export VRX_CONTROLLER_SOCKET=$RUNDIR/controller.sock
  "$BUILD/emulator/controller_emu" --socket "$VRX_CONTROLLER_SOCKET" \
      --control "$RUNDIR/control.sock" --seed "$ROOT/emulator/seed.csv" &
  EMU_PID=$!
  for _ in $(seq 50); do [ -S "$VRX_CONTROLLER_SOCKET" ] && break; sleep 0.1; done
  echo "controller emulator: control socket $RUNDIR/control.sock"
fi

export VRX_SYSFS_ROOT=${VRX_SYSFS_ROOT:-$RUNDIR/sys}
PLATFORM=()
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  PLATFORM=(-platform vnc:size=640x480)
  echo "no display: connect a VNC viewer to localhost:5900"
fi
cd "$RUNDIR"
"$RUNDIR/vrx_gui" "${PLATFORM[@]}" "$@"
