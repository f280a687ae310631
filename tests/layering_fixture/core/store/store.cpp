#include "store.h"
int storeValue() { return frameCrc(); }
