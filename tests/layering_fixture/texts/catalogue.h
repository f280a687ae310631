#pragma once
#include "store.h"
#include "config.h"
// Outside core/, the application object's header may be included.
#include "mainapplication.h"
const char* catalogueText();
