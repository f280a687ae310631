// Under a build folder that a script names: no room, nothing in it read.
#include <cstdlib>
const char* generated() { return getenv("HOME"); }
