#!/usr/bin/env bash
# The one-way rule between folders, and where the environment may be read
# (scripts/check_layers.py), checked twice: first on a small fixture tree that
# breaks each rule the check knows in each of its forms, and names build
# folders each way a script can (it must fail, and name exactly those
# breaches), then on the project, resolving includes with the include folders
# of a configured build's compile_commands.json.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-test}
FIXTURE=tests/layering_fixture

set +e
found=$(python3 scripts/check_layers.py --root "$FIXTURE" --compile-commands "$FIXTURE/compile_commands.json")
status=$?
set -e
if [ "$status" -ne 1 ] || [ "$found" != "$(cat "$FIXTURE/expected.txt")" ]; then
  echo "layers: the check no longer finds the fixture's breaches (exit $status):" >&2
  diff <(echo "$found") "$FIXTURE/expected.txt" >&2 || true
  exit 1
fi
echo "layers: the fixture's breaches are found"
python3 scripts/check_layers.py --root . --compile-commands "$BUILD/compile_commands.json"
