#pragma once
#include "store.h"
const char* catalogueText();
