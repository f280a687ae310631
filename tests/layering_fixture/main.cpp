// The second assembler: its includes are not charged. Without that, the top
// folder and texts, which includes config.h, would include each other.
#include "catalogue.h"
#include "window.h"
int main() { return 0; }
