#include "mode.h"
// The way back through the menu above: a cycle modes <-> screens.
#include "menu.h"
void openMode() { openMenu(); }
