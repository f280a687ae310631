#ifndef TEST_SWITCH_H
#define TEST_SWITCH_H

#include <QByteArray>
#include <QtGlobal>

// The value of one of the environment variables that point the program
// elsewhere for the test suites and for runs on a desktop: the controller
// link onto a local socket (VRX_CONTROLLER_SOCKET), the keypad, lamp and
// backlight files under another root (VRX_SYSFS_ROOT), a shorter wait for the
// controller's answers during an update (VRX_UPDATE_ANSWER_TIMEOUT_MS). The
// program built for the board reads none of them and gets nothing: there,
// whoever starts it must not be able to move its link or its devices.
inline QByteArray testSwitch(const char* name)
{
#ifdef VRX_TARGET_BOARD
    Q_UNUSED(name);
    return QByteArray();
#else
    return qgetenv(name);
#endif
}

#endif // TEST_SWITCH_H
