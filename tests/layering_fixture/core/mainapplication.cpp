// The application object puts the program together and may include anything:
// without that exemption, core would reach up to texts and ui/screens and
// round a circle with core/link.
#include "mainapplication.h"
#include "menu.h"
#include "catalogue.h"
#include "frame.h"
