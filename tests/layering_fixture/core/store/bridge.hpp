#pragma once
// Upward, from a .hpp.
#include "window.h"
