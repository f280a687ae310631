// A file directly in core/ is in the room "core", bound by core's rule.
#include "menu.h"
