#ifndef OPERATOR_COMMAND_H
#define OPERATOR_COMMAND_H

#include <QString>
#include <QtGlobal>

class ProgressBarDialog;
class QWidget;

// The steps every operator command of the settings screens shares: the
// access check, the yes/no question, the refusal of a load while the motor
// turns, the write of the command parameter and the progress dialog that
// follows the controller until it returns the parameter to 0.
class OperatorCommand
{
public:
    // Station state (13): starting and running forbid loads.
    static constexpr quint16 IdStationState = 13;

    // Access to the command for the screen that asks; a refusal shows nothing
    // more (the access dialog has said why).
    static bool isAccess(QWidget* screen, quint16 id);
    // Asks and waits; true only for "Да". An unanswered question rejects
    // itself after five minutes.
    static bool ask(const QString& question, QWidget* parent);
    // An information the operator acknowledges later; the command does not wait.
    static void inform(const QString& text, QWidget* parent);
    // A load while the station is starting or running is refused with text.
    static bool refuseLoad(const QString& text, QWidget* parent);
    static void write(quint16 id, int value);
    // Opens the progress dialog (over the main window), writes value to id
    // and shows the dialog; it closes when the controller returns id to 0,
    // or, when the controller never does, after the dialog's own bound with
    // a warning, so the screen is never held for good.
    static ProgressBarDialog* writeWithProgress(quint16 id, int value, const QString& text);
};

#endif // OPERATOR_COMMAND_H
