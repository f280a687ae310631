#include "screen_command.h"

#include "mainapplication.h"
#include "messagedialog.h"
#include "parameters.h"

#include <QDebug>
#include <QPointer>

namespace {

// Marks a screen whose command waits for the operator (password or question):
// a second press of its button meanwhile starts nothing.
const char* const RunningProperty = "commandRunning";

} // namespace

bool ScreenCommand::run(QWidget* screen, quint16 id, int value, const QString& question, Access access)
{
    MainApplication* app = MainApplication::getInstance();
    if (!app || !app->getParameters() || !screen || screen->property(RunningProperty).toBool())
        return false;
    QPointer<QWidget> guard(screen);
    screen->setProperty(RunningProperty, true);
    bool yes = false;
    // A refusal has been told to the operator by the access rule itself.
    if (access == NoAccessCheck || app->isAccess(screen, id, 0)) {
        // "Нет", Esc and the five-minute timeout all reject; so does the
        // screen going away while the question waits (the dialog goes with it).
        auto* dialog = new MessageDialog(question, MessageDialog::Question, screen);
        yes = dialog->exec() == 1;
    }
    if (guard)
        guard->setProperty(RunningProperty, false);
    if (!yes)
        return false;
    qDebug() << "command" << id << value;
    app->getParameters()->set(id, value, 1);
    return true;
}
