#pragma once
// By path from the root, as the build allows.
#include "ui/modes/mode.h"
void openMenu();
