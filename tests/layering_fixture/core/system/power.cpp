// Found only through -iquote: upward.
#include "shield.h"
// Found only through -isystem: upward.
#include <lang.h>
// An include in angle brackets is looked for neither through -iquote nor
// beside this file: these two find nothing.
#include <guard.h>
#include <../../ui/framework/window.h>
void powerOff() {}
