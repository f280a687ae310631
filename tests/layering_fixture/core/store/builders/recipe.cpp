// Deep in core/, a folder named like a build folder and holding a
// CMakeCache.txt is a room like any other: CMake compiles it.
#include "window.h"
#include "mainapplication.h"
#include <cstdlib>
const char* recipe() { return getenv("RECIPE"); }
