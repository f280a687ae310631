#pragma once
#include "commands.def"
int frameCrc();
