// In angle brackets, found through the -I folders all the same: upward.
#include <window.h>
// Found nowhere in the tree (Qt): not charged.
#include <QString>
// Mentions in comments and strings are no reads: getenv("TZ").
const char* clockZone() { return "qgetenv"; }
