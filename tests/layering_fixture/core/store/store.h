#pragma once
#include "frame.h"
int storeValue();
