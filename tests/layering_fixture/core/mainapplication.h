#pragma once
// Read like any other header: the window it includes is core reaching up.
#include "window.h"
struct MainApplication {};
