// The application object puts the program together and may include anything.
#include "mainapplication.h"
#include "menu.h"
#include "catalogue.h"
#include "frame.h"
