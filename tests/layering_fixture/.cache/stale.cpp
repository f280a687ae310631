// A hidden folder at the top (an editor's cache) is no product code.
#include <cstdlib>
const char* cached() { return getenv("HOME"); }
