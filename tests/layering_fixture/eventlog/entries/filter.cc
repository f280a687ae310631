// The environment block itself is a read.
#include <unistd.h>
char** filterEnvironment() { return environ; }
