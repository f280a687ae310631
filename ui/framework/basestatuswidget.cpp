#include "basestatuswidget.h"

#include "mainapplication.h"
#include "parameterdef.h"
#include "parameters.h"
#include "units.h"
#include "widgetstate.h"

#include <QHBoxLayout>
#include <QLabel>

BaseStatusWidget::BaseStatusWidget(unsigned short id, int index, QWidget* parent)
    : BaseParamWidget(id, parent)
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setMinimumHeight(minimumHeight());
    m_nameLabel->setWordWrap(true);

    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("valueLabel_"));
    m_valueLabel->setFixedWidth(93);

    m_unitLabel = new QLabel(this);
    m_unitLabel->setObjectName(QStringLiteral("unitLabel_"));
    m_unitLabel->setFixedWidth(105);
    m_unitLabel->setWordWrap(true);
    MainApplication* app = MainApplication::getInstance();
    if (app && app->getParameters())
        m_unitLabel->setText(app->getParameters()->getTextUnit(m_def));

    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_valueLabel);
    m_layout->addWidget(m_unitLabel);

    // A full date and time needs the room of the value and the unit together.
    if (m_def && Units::quantity(m_def->physic.load()) == 1 && m_def->unitOut.load() == 1) {
        m_valueLabel->setFixedWidth(198);
        m_unitLabel->hide();
    }
    setState(0);
}

void BaseStatusWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseStatusWidget::setBitEnabled(bool enabled)
{
    m_bits = enabled;
    if (enabled) {
        m_valueLabel->setFixedWidth(198);
        m_unitLabel->hide();
    }
}

void BaseStatusWidget::setState(int state)
{
    applyWidgetState(m_nameLabel, state);
    applyWidgetState(m_valueLabel, state);
    applyWidgetState(m_unitLabel, state);
    update();
}

void BaseStatusWidget::slotUpdateValue()
{
    QString text;
    if (!m_bits) {
        text = valueText(false);
    } else if (isValid()) {
        text = QStringLiteral("%1b").arg(m_def->value.load(), 16, 2, QLatin1Char('0'));
    } else {
        text = QStringLiteral("---");
    }
    if (m_valueLabel->text() != text)
        m_valueLabel->setText(text);
}

void BaseStatusWidget::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit mousePress(m_index);
}

void BaseStatusWidget::focusInEvent(QFocusEvent* event)
{
    BaseParamWidget::focusInEvent(event);
    setState(1);
}

void BaseStatusWidget::focusOutEvent(QFocusEvent* event)
{
    BaseParamWidget::focusOutEvent(event);
    setState(0);
}
