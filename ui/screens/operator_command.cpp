#include "operator_command.h"

#include "baseform.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "parameters.h"
#include "progressbardialog.h"
#include "saturate.h"

#include <QDebug>
#include <QPointer>
#include <QTimer>

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

QString OperatorCommand::timeoutText(const QString& progressText)
{
    return QStringLiteral("%1\n%2").arg(progressText, QObject::tr("Контроллер не сообщил о завершении операции"));
}

ProgressBarDialog* OperatorCommand::writeWithProgress(quint16 id, int value, const QString& text)
{
    MainWindow* window = BaseForm::mainWindow();
    // Created before the write: the controller's answer may come at once.
    auto* dialog = new ProgressBarDialog(text, window, id, true);

    // The operator cannot close a progress dialog, so a controller that never
    // returns the command to 0 would hold the screen for good: the dialog's
    // own close timer bounds the wait, and every progress report shows the
    // controller is still at it.
    QTimer* bound = dialog->closeTimer();
    bound->setInterval(ProgressTimeoutMs);
    if (Parameters* parameters = store()) {
        QObject::connect(parameters, &Parameters::signalParamUpdated, dialog, [bound](quint16 updated) {
            if ((updated == ProgressBarDialog::IdProgressValue || updated == ProgressBarDialog::IdProgressMaximum)
                && bound->isActive())
                bound->start();
        });
    }
    // Only the close timer rejects this dialog; the controller's answer accepts it.
    QPointer<MainWindow> owner(window);
    QObject::connect(dialog, &QDialog::rejected, [owner, text, id]() {
        qWarning().noquote() << QStringLiteral("Command %1: no end reported by the controller").arg(id);
        auto* warning = new MessageDialog(timeoutText(text), MessageDialog::Warning, owner.data());
        warning->show();
    });
    dialog->startCloseDialogTimer();

    write(id, value);
    dialog->show();
    return dialog;
}
