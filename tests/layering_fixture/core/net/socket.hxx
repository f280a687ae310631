#pragma once
// A folder holding only a .hxx file is a room: upward.
#include "menu.h"
