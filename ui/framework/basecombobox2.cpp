#include "basecombobox2.h"
#include "editrowevents.h"

#include "combobox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>

BaseComboBox2::BaseComboBox2(int index, QWidget* parent)
    : QWidget(parent)
    , m_cycle(this, this, index, EditCycle::NoOptions)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(37);
    m_nameLabel = EditCycle::createNameLabel(this);
    m_combo = ComboBox::createRowField(this);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_combo);

    connect(m_combo, &ComboBox::signalSetCurrentIndex, this, &BaseComboBox2::slotEditingEnd);
    connect(m_combo, &ComboBox::signalKeyEscPress, this, &BaseComboBox2::slotEditingBreak);
    m_cycle.setWidgets({m_nameLabel}, m_combo);
    setState(0);
}

void BaseComboBox2::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseComboBox2::setValuesList(const PairList& list, int current)
{
    m_combo->clear();
    m_list = list;
    for (int i = 0; i < m_list.size(); ++i) {
        m_combo->addItem(QIcon(), m_list.value(i), m_list.key(i));
        if (m_list.key(i) == current)
            m_combo->setCurrentIndex(m_combo->count() - 1);
    }
    // A code not among the choices leaves the first item selected, and that
    // is the code the screen reads.
    const int selected = m_combo->currentIndex();
    if (selected >= 0)
        m_current = m_combo->itemData(selected).toInt();
}

void BaseComboBox2::slotEditingBegin()
{
    // No choices, no popup: an edit could never end. No access is asked:
    // nothing is written.
    if (m_combo->count() > 0)
        m_cycle.begin(0);
}

void BaseComboBox2::slotEditingEnd()
{
    m_cycle.end();
}

void BaseComboBox2::slotEditingBreak()
{
    // The popup also reports its own closing at the end of an edit.
    m_cycle.breakOff();
}

bool BaseComboBox2::editHasFocus() const
{
    return m_combo->hasEditFocus(this);
}

void BaseComboBox2::openEdit()
{
    m_combo->openList();
}

void BaseComboBox2::closeEdit()
{
    m_combo->hidePopup();
}

bool BaseComboBox2::commitEntry(const QString&)
{
    const int selected = m_combo->currentIndex();
    if (selected >= 0)
        m_current = m_combo->itemData(selected).toInt();
    return true;
}

void BaseComboBox2::reportEnd(bool ok)
{
    // Only a choice is reported: a break leaves the screen's code as it was.
    if (ok)
        emit signalEditingEnd(true);
}

bool BaseComboBox2::eventFilter(QObject* watched, QEvent* event)
{
    if (EditRowEvents::filterList(this, watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

void BaseComboBox2::keyPressEvent(QKeyEvent* event)
{
    EditRowEvents::keyPressList(this, event);
}

void BaseComboBox2::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    setState(1);
}

void BaseComboBox2::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    m_cycle.focusLost();
}
