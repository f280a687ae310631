#pragma once
// Read like any other header: the window it includes is core reaching up, and
// the link's header closes a circle with the link, which includes this one.
#include "window.h"
#include "frame.h"
struct MainApplication {};
