#include "store.h"
// A folder no list names, found from the tree: upward.
#include "ui/widgets/gauge.h"
int storeValue() { return frameCrc(); }
