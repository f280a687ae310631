#!/usr/bin/env bash
# Installs the Debian 12 packages a set of tasks needs. Does nothing when
# everything is already there, so repeated runs are quick.
#   scripts/deps.sh [desktop] [board] [board-sysroot] [qemu]...
#     desktop        the program, its tests and its tools on this machine (default)
#     board          a build for the station board: the host's build tools, the
#                    cross compiler and Debian's armhf Qt packages
#     board-sysroot  the same, for a build against a board SDK's sysroot: the
#                    host's build tools and the cross compiler, no armhf package
#     qemu           running ARM test programs here: qemu-user, and unshare and ip
#                    for the namespaces they run in
set -euo pipefail

# The programs a board build runs are the host's: cmake, git, sqlite3, moc, rcc,
# lrelease and lupdate; the font is the host's arch-independent package.
BOARD_HOST=(
  cmake make git sqlite3 fonts-open-sans
  qtbase5-dev-tools qttools5-dev-tools
  g++-arm-linux-gnueabihf
)
SETS=("$@")
[ ${#SETS[@]} -gt 0 ] || SETS=(desktop)

PACKAGES=()
armhf=no
for set in "${SETS[@]}"; do
  case $set in
    desktop)
      PACKAGES+=(
        cmake g++ clang make pkg-config
        qtbase5-dev qtbase5-dev-tools libqt5sql5-sqlite
        libqt5serialbus5-dev libqt5svg5-dev
        qttools5-dev-tools qttools5-dev
        sqlite3 fonts-open-sans git
        libclang-rt-14-dev
        xvfb xauth socat netcat-openbsd
        python3
      ) ;;
    board)
      PACKAGES+=("${BOARD_HOST[@]}"
        qtbase5-dev:armhf libqt5sql5-sqlite:armhf libqt5serialbus5-dev:armhf qttools5-dev:armhf)
      armhf=yes ;;
    board-sysroot)
      PACKAGES+=("${BOARD_HOST[@]}") ;;
    qemu)
      PACKAGES+=(qemu-user-static util-linux iproute2) ;;
    *)
      echo "deps: unknown set '$set' (desktop, board, board-sysroot, qemu)" >&2
      exit 2 ;;
  esac
done

# A name without an architecture means the host's (or "all"): with the armhf
# packages installed, "qtbase5-dev" must not be taken for "qtbase5-dev:armhf".
NATIVE=$(dpkg --print-architecture)
installed() {
  local want="($NATIVE|all)"
  [[ $1 == *:* ]] && want=${1#*:}
  dpkg-query -W -f='${Status} ${Architecture}\n' "${1%%:*}" 2>/dev/null | grep -qE "^install ok installed $want\$"
}
missing=()
for p in "${PACKAGES[@]}"; do
  installed "$p" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "deps: installing ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  if [ $armhf = yes ] && ! dpkg --print-foreign-architectures | grep -qx armhf; then
    $SUDO dpkg --add-architecture armhf
  fi
  if ! $SUDO apt-get update -q || \
     ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "deps: could not install ${missing[*]} (see apt's message above)" >&2
    exit 1
  fi
fi
