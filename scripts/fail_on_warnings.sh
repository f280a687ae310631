#!/usr/bin/env bash
# Fails a build that printed a warning: the compiler's or linker's
# "warning:", moc's and rcc's "Warning:", CMake's "CMake Warning".
#   scripts/fail_on_warnings.sh <build dir> <log> <what was built>
# Prints the warnings and cleans the build folder, so that the next run
# compiles the same files again and fails again, rather than finding nothing
# left to compile and passing; exits 1. Prints nothing and exits 0 when the
# log holds no warning.
set -euo pipefail
BUILD=${1:?usage: scripts/fail_on_warnings.sh BUILD_DIR LOG WHAT}
LOG=${2:?usage: scripts/fail_on_warnings.sh BUILD_DIR LOG WHAT}
WHAT=${3:?usage: scripts/fail_on_warnings.sh BUILD_DIR LOG WHAT}

pattern='[Ww]arning:|CMake Warning'
count=$(grep -cE "$pattern" "$LOG" || true)
[ "$count" -eq 0 ] && exit 0
grep -E -A3 "$pattern" "$LOG" >&2 || true
cmake --build "$BUILD" --target clean >/dev/null 2>&1 || true
echo "$WHAT: FAILED: $count warning lines (log: $LOG); $BUILD cleaned, so the next run fails as well" >&2
exit 1
