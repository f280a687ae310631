#include "basecombobox.h"
#include "editrowevents.h"

#include "combobox.h"
#include "parameterdef.h"
#include "rawbits.h"
#include "saturate.h"

#include <QHBoxLayout>
#include <QLabel>

namespace {

// The unit word of a list whose first choice reads "<number> <unit>".
QString unitWord(const PairList& list)
{
    if (list.size() == 0)
        return QString();
    const QStringList words = list.value(0).split(QLatin1Char(' '));
    return words.size() == 2 ? words.at(1) : QString();
}

} // namespace

BaseComboBox::BaseComboBox(unsigned short id, int index, QWidget* parent)
    : BaseParamWidget(id, parent)
    , m_cycle(this, this, index, EditCycle::AsksAccess)
{
    setFocusPolicy(Qt::StrongFocus);
    m_nameLabel = EditCycle::createNameLabel(this);
    m_combo = ComboBox::createRowField(this);
    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_combo);

    connect(m_combo, &ComboBox::signalSetCurrentIndex, this, &BaseComboBox::slotEditingEnd);
    connect(m_combo, &ComboBox::signalKeyEscPress, this, &BaseComboBox::slotEditingBreak);
    m_cycle.setWidgets({m_nameLabel}, m_combo);
    setState(0);
}

void BaseComboBox::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseComboBox::setValuesList(const PairList& list)
{
    m_combo->clear();
    m_list = list;
    const float stored = m_def ? floatFromBits(m_def->value.load()) : 0.0f;
    int current = -1;
    for (int i = 0; i < m_list.size(); ++i) {
        m_combo->addItem(m_list.value(i), m_list.key(i));
        if (isValid() && static_cast<float>(m_list.key(i)) == stored)
            current = m_combo->count() - 1;
    }
    // The first item added became current by itself: a value never received
    // is no choice.
    m_combo->setCurrentIndex(current);
}

void BaseComboBox::undoChanges()
{
    slotUpdateValue();
}

void BaseComboBox::slotUpdateValue()
{
    // The open list belongs to the operator: an update waits for the end.
    if (isEditing() || m_list.size() == 0)
        return;
    if (!isValid()) {
        m_combo->setCurrentIndex(-1);
        return;
    }
    const float stored = floatFromBits(m_def->value.load());
    for (int i = 0; i < m_combo->count(); ++i) {
        if (static_cast<float>(m_combo->itemData(i).toInt()) == stored) {
            if (m_combo->currentIndex() != i)
                m_combo->setCurrentIndex(i);
            return;
        }
    }
    // A value outside the list shows as a number with the unit word of the list.
    const int code = saturatingInt(stored);
    m_combo->addItem(QStringLiteral("%1 %2").arg(code).arg(unitWord(m_list)), code);
    m_combo->setCurrentIndex(m_combo->count() - 1);
}

void BaseComboBox::slotEditingBegin()
{
    // No choices, no popup: an edit could never end.
    if (m_def && m_combo->count() > 0)
        m_cycle.begin(id());
}

void BaseComboBox::slotEditingEnd()
{
    // Only an edit under way ends: a choice can reach here once.
    m_cycle.end();
}

void BaseComboBox::slotEditingBreak()
{
    // The popup also reports its own closing at the end of an edit; that is
    // no break of anything.
    m_cycle.breakOff();
}

bool BaseComboBox::editHasFocus() const
{
    return m_combo->hasEditFocus(this);
}

void BaseComboBox::openEdit()
{
    m_combo->openList();
}

void BaseComboBox::closeEdit()
{
    m_combo->hidePopup();
}

bool BaseComboBox::isEntryTyped() const
{
    return m_combo->isChosen();
}

bool BaseComboBox::commitEntry(const QString&)
{
    const int current = m_combo->currentIndex();
    return current >= 0 && setValue(m_combo->itemData(current).toInt());
}

bool BaseComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (EditRowEvents::filterList(this, watched, event))
        return true;
    return BaseParamWidget::eventFilter(watched, event);
}

void BaseComboBox::keyPressEvent(QKeyEvent* event)
{
    EditRowEvents::keyPressList(this, event);
}

void BaseComboBox::focusInEvent(QFocusEvent* event)
{
    BaseParamWidget::focusInEvent(event);
    setState(1);
}

void BaseComboBox::focusOutEvent(QFocusEvent* event)
{
    BaseParamWidget::focusOutEvent(event);
    m_cycle.focusLost();
}
