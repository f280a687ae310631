#pragma once
// Upward, found beside this file by its relative path.
#include "../../ui/modes/mode.h"
