/* A C source is product code too. */
#define _GNU_SOURCE
#include <stdlib.h>
const char* theme(void) { return secure_getenv("THEME"); }
