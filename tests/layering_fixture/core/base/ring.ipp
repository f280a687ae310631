// Upward, from a .ipp.
#include "catalogue.h"
