// A build folder (it holds a CMakeCache.txt) is no room.
#include "menu.h"
bool offscreen() { return qEnvironmentVariableIsSet("QT_QPA_PLATFORM"); }
