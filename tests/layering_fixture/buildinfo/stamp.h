#pragma once
// A top folder named build... that no script builds in is a room.
#include <cstdlib>
inline const char* stamp() { return getenv("STAMP"); }
