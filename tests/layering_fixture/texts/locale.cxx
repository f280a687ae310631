#include <QtGlobal>
int localeIndex() { return qEnvironmentVariableIntValue("LOCALE_INDEX"); }
