// The emulator is product code: only test_switch.h reads the environment.
#include <QtGlobal>
int stationPort() { return qgetenv("VRX_EMULATOR_PORT").toInt(); }
