#pragma once
// The one file that reads the environment.
#include <cstdlib>
inline const char* testSwitch(const char* name) { return std::getenv(name); }
