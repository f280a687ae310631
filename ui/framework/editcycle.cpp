#include "editcycle.h"

#include "mainapplication.h"
#include "mainwindow.h"
#include "widgetstate.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace {

MainWindow* mainWindow()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getMainWindow() : nullptr;
}

} // namespace

EditCycle::EditCycle(QWidget* row, Steps* steps, int index, int options)
    : m_row(row)
    , m_steps(steps)
    , m_index(index)
    , m_options(options)
{
}

QLabel* EditCycle::createNameLabel(QWidget* row)
{
    auto* label = new QLabel(row);
    label->setObjectName(QStringLiteral("nameLabel_"));
    label->setMinimumHeight(row->minimumHeight());
    label->setWordWrap(true);
    return label;
}

void EditCycle::setWidgets(const QList<QWidget*>& labels, QWidget* field)
{
    m_labels = labels;
    m_field = field;
}

void EditCycle::setState(int state)
{
    m_state = state;
    int fieldState = state;
    if (m_warning && state == 1)
        fieldState = 4;
    else if (m_warning && state == 0)
        fieldState = 3;
    for (QWidget* label : qAsConst(m_labels))
        applyWidgetState(label, state);
    applyWidgetState(m_field, fieldState);
    m_row->update();
}

void EditCycle::setWarning(bool warning)
{
    if (m_warning == warning)
        return;
    m_warning = warning;
    setState(m_state);
}

bool EditCycle::begin(int accessId)
{
    if (m_editing)
        return false;
    if (m_options & AsksAccess) {
        MainApplication* app = MainApplication::getInstance();
        if (!app)
            return false;
        // The access check may run a password dialog; the screen can be
        // replaced (idle return, block) while it waits.
        QPointer<QWidget> row(m_row);
        const bool granted = app->isAccess(m_row, accessId, 0, QString());
        if (!row || !granted)
            return false;
    }

    m_editing = true;
    setState(2);
    m_steps->openEdit();
    if (MainWindow* window = mainWindow()) {
        m_savedInfo = window->textInfo();
        m_footerSaved = true;
        window->setTextInfo(m_steps->rangeText());
    }
    return true;
}

bool EditCycle::end()
{
    if (!m_editing)
        return false;
    m_editing = false;
    const bool typed = m_steps->isEntryTyped();
    const QString text = m_steps->entryText();
    m_steps->closeEdit();
    m_row->setFocus();
    const bool ok = typed ? m_steps->commitEntry(text) : m_steps->keepStoredValue();
    if (!ok || !typed)
        m_steps->undoChanges();
    if (m_options & ShowsWarning)
        setWarning(!ok);
    report(ok);
    return ok;
}

void EditCycle::breakOff()
{
    if (!m_editing)
        return;
    m_editing = false;
    m_steps->closeEdit();
    m_row->setFocus();
    m_steps->undoChanges();
    report(false);
}

void EditCycle::focusLost()
{
    if (m_steps->editHasFocus())
        return;
    if (m_editing) {
        if (m_steps->keepsEditOnFocusLoss())
            return;
        m_editing = false;
        m_steps->closeEdit();
        m_steps->undoChanges();
        if (!report(false))
            return;
    } else if (auto* line = qobject_cast<QLineEdit*>(m_field)) {
        line->deselect();
    }
    setState(0);
}

bool EditCycle::report(bool ok)
{
    QPointer<QWidget> row(m_row);
    m_steps->reportEnd(ok);
    if (!row)
        return false;
    restoreFooter();
    return true;
}

void EditCycle::restoreFooter()
{
    if (!m_footerSaved)
        return;
    m_footerSaved = false;
    if (MainWindow* window = mainWindow())
        window->setTextInfo(m_savedInfo);
}
