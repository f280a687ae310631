// An inline part no other file includes is read all the same.
#include <QProcess>
inline QStringList modeEnvironment() { return QProcess::systemEnvironment(); }
