#!/usr/bin/env bash
# Installs the Debian 12 packages a set of tasks needs. Does nothing when
# everything is already there, so repeated runs are quick.
#   scripts/deps.sh [desktop] [board] [board-qt] [board-sysroot] [qemu] [archives]...
#     desktop        the program, its tests and its tools on this machine (default)
#     board          a build for the station board against Debian's armhf Qt:
#                    the host's build tools, the cross compiler and Debian's
#                    armhf Qt packages
#     board-qt       the same against a board SDK's Qt (VRX_BOARD_QT): the
#                    host's build tools and the cross compiler, no armhf package
#     board-sysroot  the same against a board SDK's sysroot (VRX_SYSROOT): the
#                    host's build tools, clang and the cross binutils
#     qemu           running ARM programs here: qemu-user, the cross C library,
#                    and unshare, setpriv and ip for the namespaces they run in
#     archives       xz, to unpack the board's Qt from its .tar.xz
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
        qtbase5-dev:armhf libqt5sql5-sqlite:armhf libqt5serialbus5-dev:armhf)
      armhf=yes ;;
    board-qt)
      PACKAGES+=("${BOARD_HOST[@]}") ;;
    board-sysroot)
      PACKAGES+=("${BOARD_HOST[@]}" clang) ;;
    qemu)
      PACKAGES+=(qemu-user-static libc6-armhf-cross util-linux iproute2) ;;
    archives)
      PACKAGES+=(xz-utils) ;;
    *)
      echo "deps: unknown set '$set' (desktop, board, board-qt, board-sysroot, qemu, archives)" >&2
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
     ! $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"; then
    echo "deps: could not install ${missing[*]} (see apt's message above)" >&2
    exit 1
  fi
fi
