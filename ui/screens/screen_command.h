#ifndef SCREEN_COMMAND_H
#define SCREEN_COMMAND_H

#include <QString>

class QWidget;

// An operator command of a screen: the access check (unless the command needs
// none), the question, and on "Да" one write of the command parameter. What
// the controller does with it, and the return of the parameter to 0, lie with
// the controller.
class ScreenCommand
{
public:
    enum Access { CheckAccess, NoAccessCheck };

    // True when the command was written.
    static bool run(QWidget* screen, quint16 id, int value, const QString& question, Access access);
};

#endif // SCREEN_COMMAND_H
