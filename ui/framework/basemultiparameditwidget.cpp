#include "basemultiparameditwidget.h"
#include "editrowevents.h"

#include "lineedit.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameters.h"
#include "widgetstate.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

// An update is shown this long after it arrives.
const int RefreshDelayMs = 100;

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

MainWindow* mainWindow()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getMainWindow() : nullptr;
}

} // namespace

BaseMultiParamEditWidget::BaseMultiParamEditWidget(const QVector<quint16>& ids, int index, QWidget* parent)
    : QWidget(parent)
    , m_ids(ids)
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(37);

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setMinimumHeight(minimumHeight());
    m_nameLabel->setWordWrap(true);

    m_edit = new LineEdit(this);
    m_edit->setObjectName(QStringLiteral("valueLongLabel_"));
    m_edit->setFixedWidth(198);

    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_edit);

    if (Parameters* parameters = store()) {
        connect(parameters, &Parameters::signalParamUpdated, this, &BaseMultiParamEditWidget::slotParamUpdated);
        connect(this, &BaseMultiParamEditWidget::signalParamWrite, parameters,
                [parameters](quint16 id, quint32 value) { parameters->set(id, value, 1); });
    }
    m_edit->installEventFilter(this);
    connect(m_edit, &LineEdit::signalFocusOut, this, &BaseMultiParamEditWidget::focusLost);
    setState(0);
}

const ParameterDef* BaseMultiParamEditWidget::definition(int part) const
{
    Parameters* parameters = store();
    return parameters && part >= 0 && part < m_ids.size() ? parameters->getParameter(m_ids.at(part)) : nullptr;
}

void BaseMultiParamEditWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseMultiParamEditWidget::setState(int state)
{
    m_state = state;
    applyWidgetState(m_nameLabel, state);
    applyWidgetState(m_edit, state);
    update();
}

void BaseMultiParamEditWidget::undoChanges()
{
    slotUpdateValue();
}

void BaseMultiParamEditWidget::slotParamUpdated(quint16 id)
{
    if (!m_ids.contains(id) || !isVisible())
        return;
    QTimer::singleShot(RefreshDelayMs, this, &BaseMultiParamEditWidget::slotUpdateValue);
}

void BaseMultiParamEditWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slotUpdateValue();
}

void BaseMultiParamEditWidget::slotEditingBegin()
{
    if (m_editing || m_ids.isEmpty())
        return;
    MainApplication* app = MainApplication::getInstance();
    if (!app)
        return;
    // The access check may run a password dialog; the screen can be replaced
    // while it waits.
    QPointer<BaseMultiParamEditWidget> self(this);
    const bool granted = app->isAccess(this, m_ids.first(), 0, QString());
    if (!self || !granted)
        return;

    m_editing = true;
    setState(2);
    beginEntry();
    m_edit->setFocus();
    if (MainWindow* window = mainWindow()) {
        m_savedInfo = window->textInfo();
        m_footerSaved = true;
        window->setTextInfo(QString());
    }
}

bool BaseMultiParamEditWidget::slotEditingEnd()
{
    if (!m_editing)
        return false;
    m_editing = false;
    const QString text = m_edit->displayText();
    setFocus();
    const bool ok = writeEntry(text);
    QPointer<BaseMultiParamEditWidget> self(this);
    emit signalEditingEnd(ok);
    if (self)
        restoreFooter();
    return ok;
}

void BaseMultiParamEditWidget::slotEditingBreak()
{
    if (!m_editing)
        return;
    m_editing = false;
    setFocus();
    undoChanges();
    QPointer<BaseMultiParamEditWidget> self(this);
    emit signalEditingEnd(false);
    if (self)
        restoreFooter();
}

void BaseMultiParamEditWidget::restoreFooter()
{
    if (!m_footerSaved)
        return;
    m_footerSaved = false;
    if (MainWindow* window = mainWindow())
        window->setTextInfo(m_savedInfo);
}

void BaseMultiParamEditWidget::focusLost()
{
    if (m_edit->hasFocus())
        return;
    if (m_editing) {
        if (keepsEditOnFocusLoss())
            return;
        m_editing = false;
        undoChanges();
        QPointer<BaseMultiParamEditWidget> self(this);
        emit signalEditingEnd(false);
        if (!self)
            return;
        restoreFooter();
    } else {
        m_edit->deselect();
    }
    setState(0);
}

bool BaseMultiParamEditWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (EditRowEvents::filterField(this, watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

void BaseMultiParamEditWidget::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit mousePress(m_index);
}

void BaseMultiParamEditWidget::keyPressEvent(QKeyEvent* event)
{
    EditRowEvents::keyPress(this, event);
}

void BaseMultiParamEditWidget::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    setState(1);
}

void BaseMultiParamEditWidget::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    focusLost();
}
