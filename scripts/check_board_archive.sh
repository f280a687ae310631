#!/usr/bin/env bash
# Checks that an archive made by scripts/build-board.sh holds what the board
# runs and nothing of the desktop, and says what the program needs there:
#   scripts/check_board_archive.sh build-board/<...>/vrx_gui-<version>-armv7-qt<Qt version>.tar.gz
# - it unpacks into the folder of its own name;
# - vrx_gui is a 32-bit ARM ELF program for the hard-float ABI, executable,
#   stripped, for the interpreter /lib/ld-linux-armhf.so.3, with no RPATH or
#   RUNPATH, and needs no library but the six Qt modules, libstdc++, libm,
#   libgcc_s and libc;
# - it carries the name of no test switch (testSwitch("...") in the sources):
#   the board build reads none;
# - fonts/OpenSansCondensed-Bold.ttf is there, a TrueType font;
# - nothing else is (no emulator, test, benchmark, script or seed).
# Prints what vrx_gui needs (the highest GLIBC_ and GLIBCXX_ versions, the Qt
# it was built against), every fault found, and exits non-zero when there is
# one. Needs readelf (binutils or the cross binutils).
set -euo pipefail
ARCHIVE=$(realpath "${1:?usage: scripts/check_board_archive.sh ARCHIVE}")
cd "$(dirname "$0")/.."

faults=0
fault() {
  echo "check_board_archive: $*" >&2
  faults=$((faults + 1))
}

readelf=$(command -v arm-linux-gnueabihf-readelf || command -v readelf || true)
if [ -z "$readelf" ]; then
  echo "check_board_archive: FAILED: readelf not found (Debian: binutils-arm-linux-gnueabihf or binutils)" >&2
  exit 1
fi

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
tar -xzf "$ARCHIVE" -C "$tmp" || { echo "check_board_archive: cannot unpack $ARCHIVE" >&2; exit 1; }
top=$(basename "$ARCHIVE" .tar.gz)
dir=$tmp/$top
[ -d "$dir" ] || { echo "check_board_archive: $ARCHIVE has no folder $top/" >&2; exit 1; }
qt=${top##*-qt}
[[ $top == *-qt* && $qt =~ ^5\.[0-9]+\.[0-9]+$ ]] || fault "the name $top does not end in -qt<the Qt 5 version it was built against>"

# Exactly the application directory: an allow-list, so anything added shows.
expected=$'fonts\nfonts/OpenSansCondensed-Bold.ttf\nvrx_gui'
found=$(cd "$dir" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort)
extra=$(LC_ALL=C comm -13 <(echo "$expected") <(echo "$found"))
[ -z "$extra" ] || fault "not part of the board's application directory: $(echo $extra)"

# Every library the program may need on the board.
ALLOWED_NEEDED=(libQt5Core.so.5 libQt5Gui.so.5 libQt5Widgets.so.5 libQt5Network.so.5 libQt5Sql.so.5
                libQt5SerialBus.so.5 libstdc++.so.6 libm.so.6 libgcc_s.so.1 libc.so.6)
INTERPRETER=/lib/ld-linux-armhf.so.3

# The highest of the version names <prefix>N.N... in the version needs.
highest() {
  grep -oE "Name: $1[0-9.]+" <<<"$needs" | sed "s/^Name: //" | sort -V | tail -n 1 || true
}

bin=$dir/vrx_gui
if [ ! -f "$bin" ]; then
  fault "vrx_gui is missing"
else
  [ -x "$bin" ] || fault "vrx_gui is not executable (mode $(stat -c %A "$bin"))"
  # The ELF header: class 1 (32-bit), data 1 (little endian), e_machine 40
  # (ARM) at offset 18, e_flags at offset 36 with EF_ARM_ABI_FLOAT_HARD (0x400).
  byte() { od -An -tu1 -j "$1" -N 1 "$bin" | tr -d ' '; }
  word() { od -An -tu"$2" -j "$1" -N "$2" --endian=little "$bin" | tr -d ' '; }
  magic=$(od -An -tx1 -N 4 "$bin" | tr -d ' ')
  if [ "$magic" != 7f454c46 ]; then
    fault "vrx_gui is not an ELF file"
  else
    class=$(byte 4) data=$(byte 5) machine=$(word 18 2)
    [ "$class" = 1 ] || fault "vrx_gui is ELF class $class, not 1 (32-bit)"
    [ "$data" = 1 ] || fault "vrx_gui is ELF data $data, not 1 (little endian)"
    [ "$machine" = 40 ] || fault "vrx_gui is for e_machine $machine, not 40 (ARM)"
    if [ "$class" = 1 ] && [ "$machine" = 40 ]; then
      flags=$(word 36 4)
      (( flags & 0x400 )) || fault "vrx_gui's e_flags $(printf '0x%x' "$flags") lack EF_ARM_ABI_FLOAT_HARD (0x400)"
      grep -q 'Tag_ABI_VFP_args: VFP registers' <<<"$("$readelf" -A "$bin")" \
        || fault "vrx_gui's ARM attributes lack Tag_ABI_VFP_args: VFP registers (hard float)"
    fi
    dynamic=$("$readelf" -d "$bin")
    while read -r library; do
      [[ " ${ALLOWED_NEEDED[*]} " == *" $library "* ]] \
        || fault "vrx_gui needs $library, which is not among the board's libraries (${ALLOWED_NEEDED[*]})"
    done < <(grep -oE 'Shared library: \[[^]]+\]' <<<"$dynamic" | sed -E 's/.*\[(.*)\]/\1/')
    runpath=$(grep -E '\((RPATH|RUNPATH)\)' <<<"$dynamic" || true)
    [ -z "$runpath" ] || fault "vrx_gui carries a library search path: $(echo $runpath)"
    interpreter=$("$readelf" -l "$bin" | sed -nE 's/.*Requesting program interpreter: (.*)\]/\1/p')
    [ "$interpreter" = "$INTERPRETER" ] || fault "vrx_gui's interpreter is '$interpreter', not $INTERPRETER"
    if grep -qE '\] \.symtab ' <<<"$("$readelf" -S "$bin")"; then
      fault "vrx_gui is not stripped (it has a .symtab)"
    fi
    needs=$("$readelf" -V "$bin")
    glibc=$(highest GLIBC_) glibcxx=$(highest GLIBCXX_) qt_tag=$(highest Qt_)
    echo "check_board_archive: vrx_gui needs ${glibc:-no GLIBC_ version} (glibc ${glibc#GLIBC_} or later)," \
         "${glibcxx:-no GLIBCXX_ version} (libstdc++), Qt ${qt%.*} or a later Qt 5 (built against $qt;" \
         "symbol version ${qt_tag:-none})"
  fi
  # The names the program would read a test switch by, taken from the sources.
  switches=$(grep -rhoE 'testSwitch\("[A-Z0-9_]+"\)' core texts ui scada eventlog main.cpp \
               | sed -E 's/testSwitch\("([A-Z0-9_]+)"\)/\1/' | LC_ALL=C sort -u || true)
  [ -n "$switches" ] || fault "no testSwitch(\"...\") found in the sources to check for"
  for name in $switches; do
    if grep -qaF "$name" "$bin"; then
      fault "vrx_gui carries the test switch $name: not built with -DVRX_TARGET_BOARD=ON"
    fi
  done
fi

font=$dir/fonts/OpenSansCondensed-Bold.ttf
if [ ! -s "$font" ]; then
  fault "fonts/OpenSansCondensed-Bold.ttf is missing"
elif [ "$(od -An -tx1 -N 4 "$font" | tr -d ' ')" != 00010000 ]; then
  fault "fonts/OpenSansCondensed-Bold.ttf is not a TrueType font"
fi

if [ "$faults" -gt 0 ]; then
  echo "check_board_archive: $ARCHIVE FAILED ($faults faults)" >&2
  exit 1
fi
echo "check_board_archive: $ARCHIVE holds $top/vrx_gui (32-bit ARM, hard float, stripped, no test switch," \
     "no library outside the board's) and its font"
