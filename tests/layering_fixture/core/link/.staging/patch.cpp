// A hidden folder deeper down is a room like any other: CMake compiles it.
#include <cstdlib>
const char* patchLevel() { return getenv("PATCH_LEVEL"); }
