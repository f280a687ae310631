#include "datetimeeditwidget.h"

#include "lineedit.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "parameters.h"
#include "progressbardialog.h"
#include "saturate.h"

#include <QDebug>
#include <QEvent>
#include <QKeyEvent>
#include <QPointer>

namespace {

const quint16 IdAccessLevel = 572;
const quint16 IdOilCompany = 1330;

// The row whose begin runs its dialogs. Guarded: a row destroyed while its
// dialogs are open (the screen replaced meanwhile) leaves no stale mark that
// would block or mislead the next one.
QPointer<DateTimeEditWidget> runningRow;

// Clears the mark when the begin is left, if it is still this row's.
class RunningMark
{
public:
    explicit RunningMark(DateTimeEditWidget* row)
        : m_row(row)
    {
        runningRow = row;
    }
    ~RunningMark()
    {
        if (m_row && runningRow == m_row)
            runningRow.clear();
    }
    RunningMark(const RunningMark&) = delete;
    RunningMark& operator=(const RunningMark&) = delete;

private:
    QPointer<DateTimeEditWidget> m_row;
};

} // namespace

DateTimeEditWidget::DateTimeEditWidget(unsigned short id, int index, QWidget* parent)
    : BaseEditWidget(id, index, parent)
{
}

DateTimeEditWidget* DateTimeEditWidget::runningBegin()
{
    return runningRow;
}

bool DateTimeEditWidget::isStillShown(const DateTimeEditWidget* row)
{
    // A replaced screen is hidden at once and deleted later: either way the
    // interrupted begin must not go on.
    return row && row->isVisible();
}

void DateTimeEditWidget::slotEditingBegin()
{
    if (isEditing() || runningRow)
        return;
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    if (!parameters)
        return;
    qDebug() << "Begin edit datetime param id:" << id();

    QPointer<DateTimeEditWidget> self(this);
    RunningMark mark(this);
    MainWindow* window = app->getMainWindow();

    auto* question = new MessageDialog(
        QObject::tr("Перед изменением даты и времени\nРекомендуем удалить архивы\nУдалить архивы сейчас?"),
        MessageDialog::Question, window);
    const int answer = question->exec();
    // A stop of the program leaves the question unanswered: neither branch.
    if (!isStillShown(self) || answer == Dialog::Unanswered)
        return;

    if (answer == QDialog::Accepted) {
        QPointer<ProgressBarDialog> progress = new ProgressBarDialog(
            QObject::tr("Удаление архивов") + QStringLiteral(":"), window, IdDeleteArchives, true);
        parameters->set(IdDeleteArchives, 1, 1);
        // The dialog closes itself when the controller reports 595 back at 0,
        // or with a warning when the controller never does (its wait is
        // bounded); one that has already closed is not waited for.
        int deleted = progress ? progress->result() : int(QDialog::Rejected);
        if (progress && deleted != QDialog::Accepted)
            deleted = progress->exec();
        if (!isStillShown(self))
            return;
        // Archives whose deletion never ended would straddle the new clock:
        // the edit does not follow, the operator may try again.
        if (deleted != QDialog::Accepted)
            return;
    } else if (saturatingInt(parameters->get(IdAccessLevel)) < 3 && parameters->get(IdOilCompany) != 4.0f) {
        // Declined with too low a level: the clock stays as it is. A level
        // never received counts as 0.
        return;
    }
    BaseEditWidget::slotEditingBegin();
}

bool DateTimeEditWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
        slotEditingBegin();
        return true;
    }
    return BaseEditWidget::eventFilter(watched, event);
}

void DateTimeEditWidget::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (!event->isAutoRepeat() && hasFocus()
        && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F4)) {
        event->accept();
        // Nothing of the row may be touched after this: it can be destroyed
        // while the dialogs run.
        slotEditingBegin();
        return;
    }
    BaseEditWidget::keyPressEvent(event);
}
