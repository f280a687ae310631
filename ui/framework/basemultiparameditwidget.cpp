#include "basemultiparameditwidget.h"
#include "editrowevents.h"

#include "lineedit.h"
#include "mainapplication.h"
#include "parameters.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

// An update is shown this long after it arrives.
const int RefreshDelayMs = 100;

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

} // namespace

BaseMultiParamEditWidget::BaseMultiParamEditWidget(const QVector<quint16>& ids, int index, QWidget* parent)
    : QWidget(parent)
    , m_ids(ids)
    , m_cycle(this, this, index, EditCycle::AsksAccess | EditCycle::ShowsWarning)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(37);

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_nameLabel = EditCycle::createNameLabel(this);

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
    connect(m_edit, &LineEdit::signalFocusOut, this, [this]() { m_cycle.focusLost(); });
    m_cycle.setWidgets({m_nameLabel}, m_edit);
    setState(0);
}

const ParameterDef* BaseMultiParamEditWidget::definition(int part) const
{
    Parameters* parameters = store();
    return parameters && part >= 0 && part < m_ids.size() ? parameters->getParameter(m_ids.at(part)) : nullptr;
}

bool BaseMultiParamEditWidget::isReceived(int part) const
{
    Parameters* parameters = store();
    return parameters && part >= 0 && part < m_ids.size() && parameters->getValidity(m_ids.at(part));
}

bool BaseMultiParamEditWidget::isEntryTyped() const
{
    return m_edit->isTyped();
}

bool BaseMultiParamEditWidget::keepStoredValue()
{
    for (int part = 0; part < m_ids.size(); ++part) {
        if (!isReceived(part))
            return false;
    }
    return true;
}

void BaseMultiParamEditWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseMultiParamEditWidget::slotUpdateValue()
{
    Parameters* parameters = store();
    if (!isEditing() && !m_edit->hasFocus() && parameters)
        showValue(*parameters);
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
    if (!m_ids.isEmpty())
        m_cycle.begin(m_ids.first());
}

bool BaseMultiParamEditWidget::slotEditingEnd()
{
    return m_cycle.end();
}

void BaseMultiParamEditWidget::slotEditingBreak()
{
    m_cycle.breakOff();
}

bool BaseMultiParamEditWidget::editHasFocus() const
{
    return m_edit->hasFocus();
}

void BaseMultiParamEditWidget::openEdit()
{
    beginEntry();
    m_edit->setFocus();
}

QString BaseMultiParamEditWidget::entryText() const
{
    return m_edit->displayText();
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
    emit mousePress(index());
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
    m_cycle.focusLost();
}
