# No #! line: a script by its name alone.
cmake --build rel
cmake -S . -B "${ROOT}/build-board"
