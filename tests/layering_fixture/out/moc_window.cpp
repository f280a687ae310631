// A build folder (a script configures it with -B out) is no room: nothing in
// it is read.
#include "menu.h"
bool offscreen() { return qEnvironmentVariableIsSet("QT_QPA_PLATFORM"); }
