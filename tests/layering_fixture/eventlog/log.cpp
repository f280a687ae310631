#include "log.h"
// Found only beside this file (no -I folder holds entries/): a cycle with the
// folder below, which includes back the same way.
#include "entries/entry.h"
void logEvent() {}
