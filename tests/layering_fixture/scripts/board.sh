# No #! line: a script by its name alone.
cmake --build rel
# A build tree deeper down, as a variable's default: its top folder,
# build-board, is the build folder.
name=$(basename "$QT")
BUILD=${VRX_BOARD_BUILD_DIR:-$ROOT/build-board/$name}
cmake -S . -B "$BUILD"
