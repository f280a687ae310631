#include "operator_command.h"

#include "baseform.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "parameters.h"
#include "progressbardialog.h"
#include "saturate.h"

namespace {

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

} // namespace

bool OperatorCommand::isAccess(QWidget* screen, quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    return app && app->isAccess(screen, id, 0);
}

bool OperatorCommand::ask(const QString& question, QWidget* parent)
{
    auto* dialog = new MessageDialog(question, MessageDialog::Question, parent);
    // exec() copes with the dialog going away with its screen; the result is
    // then "rejected".
    return dialog->exec() == 1;
}

void OperatorCommand::inform(const QString& text, QWidget* parent)
{
    auto* dialog = new MessageDialog(text, MessageDialog::Information, parent);
    dialog->show();
}

bool OperatorCommand::refuseLoad(const QString& text, QWidget* parent)
{
    Parameters* parameters = store();
    const int state = parameters ? saturatingInt(parameters->get(IdStationState)) : 0;
    if (state != 2 && state != 3)
        return false;
    inform(text, parent);
    return true;
}

void OperatorCommand::write(quint16 id, int value)
{
    if (Parameters* parameters = store())
        parameters->set(id, value, 1);
}

ProgressBarDialog* OperatorCommand::writeWithProgress(quint16 id, int value, const QString& text)
{
    // Created before the write: the controller's answer may come at once.
    // The dialog bounds its own wait (ProgressBarDialog::CommandTimeoutMs).
    auto* dialog = new ProgressBarDialog(text, BaseForm::mainWindow(), id, true);
    write(id, value);
    dialog->show();
    return dialog;
}
