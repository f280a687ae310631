#!/usr/bin/env bash
# Installs the Debian 12 packages the program, its tests and its tools need.
# Does nothing when everything is already there, so repeated runs are quick.
set -euo pipefail

PACKAGES=(
  cmake g++ clang make pkg-config
  qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite
  libqt5serialbus5-dev libqt5svg5-dev
  qttools5-dev-tools qttools5-dev
  sqlite3 fonts-open-sans git
  libclang-rt-14-dev
  xvfb xauth socat netcat-openbsd
  python3
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
