#include "basestatustextwidget.h"

#include "parameterdef.h"
#include "widgetstate.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

bool samePairs(const PairList& a, const PairList& b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.key(i) != b.key(i) || a.value(i) != b.value(i))
            return false;
    }
    return true;
}

} // namespace

BaseStatusTextWidget::BaseStatusTextWidget(unsigned short id, int index, QWidget* parent)
    : BaseParamWidget(id, parent)
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setWordWrap(true);

    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("valueTextLabel_"));
    m_valueLabel->setWordWrap(true);
    m_valueLabel->setFixedWidth(198);

    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_valueLabel);
    setState(0);
}

void BaseStatusTextWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseStatusTextWidget::setValuesList(const PairList& list)
{
    if (m_hasList && samePairs(list, m_list))
        return;
    m_list = list;
    m_hasList = true;
    slotUpdateValue();
}

void BaseStatusTextWidget::setState(int state)
{
    applyWidgetState(m_nameLabel, state);
    applyWidgetState(m_valueLabel, state);
    update();
}

void BaseStatusTextWidget::slotUpdateValue()
{
    if (!isValid())
        return;
    const float value = m_def->valueFloat();
    for (int i = 0; i < m_list.size(); ++i) {
        if (static_cast<float>(m_list.key(i)) == value) {
            const QString text = m_list.value(i);
            if (m_valueLabel->text() != text)
                m_valueLabel->setText(text);
            return;
        }
    }
}

void BaseStatusTextWidget::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit mousePress(m_index);
}

void BaseStatusTextWidget::focusInEvent(QFocusEvent* event)
{
    BaseParamWidget::focusInEvent(event);
    setState(1);
}

void BaseStatusTextWidget::focusOutEvent(QFocusEvent* event)
{
    BaseParamWidget::focusOutEvent(event);
    setState(0);
}
