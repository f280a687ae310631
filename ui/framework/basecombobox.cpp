#include "basecombobox.h"

#include "combobox.h"
#include "itemview.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameterdef.h"
#include "rawbits.h"
#include "saturate.h"
#include "widgetstate.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

namespace {

MainWindow* mainWindow()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getMainWindow() : nullptr;
}

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
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setMinimumHeight(minimumHeight());
    m_nameLabel->setWordWrap(true);

    m_combo = new ComboBox(this);
    m_combo->setObjectName(QStringLiteral("valueComboBox_"));
    m_combo->setFixedWidth(198);

    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_combo);

    connect(m_combo, &ComboBox::signalSetCurrentIndex, this, &BaseComboBox::slotEditingEnd);
    connect(m_combo, &ComboBox::signalKeyEscPress, this, &BaseComboBox::slotEditingBreak);
    m_combo->installEventFilter(this);
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
    for (int i = 0; i < m_list.size(); ++i) {
        m_combo->addItem(m_list.value(i), m_list.key(i));
        if (static_cast<float>(m_list.key(i)) == stored)
            m_combo->setCurrentIndex(m_combo->count() - 1);
    }
}

void BaseComboBox::setState(int state)
{
    m_state = state;
    applyWidgetState(m_nameLabel, state);
    applyWidgetState(m_combo, state);
    update();
}

void BaseComboBox::undoChanges()
{
    slotUpdateValue();
}

void BaseComboBox::slotUpdateValue()
{
    // The open list belongs to the operator: an update waits for the end.
    if (m_editing || !isValid() || m_list.size() == 0)
        return;
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
    if (m_editing || !m_def || m_combo->count() == 0)
        return;
    MainApplication* app = MainApplication::getInstance();
    if (!app)
        return;
    // The access check may run a password dialog; the screen can be replaced
    // while it waits.
    QPointer<BaseComboBox> self(this);
    const bool granted = app->isAccess(this, id(), 0, QString());
    if (!self || !granted)
        return;

    m_editing = true;
    m_combo->showPopup();
    m_combo->itemView()->setFocus();
    setState(2);
    if (MainWindow* window = mainWindow()) {
        m_savedInfo = window->textInfo();
        m_footerSaved = true;
        window->setTextInfo(QString());
    }
}

void BaseComboBox::slotEditingEnd()
{
    // Only an edit under way ends: a choice can reach here once.
    if (!m_editing)
        return;
    m_editing = false;
    m_combo->hidePopup();
    setFocus();
    const int current = m_combo->currentIndex();
    bool ok = false;
    if (current >= 0)
        ok = setValue(m_combo->itemData(current).toInt());
    if (!ok)
        undoChanges();
    QPointer<BaseComboBox> self(this);
    emit signalEditingEnd(ok);
    if (self)
        restoreFooter();
}

void BaseComboBox::slotEditingBreak()
{
    // The popup also reports its own closing at the end of an edit; that is
    // no break of anything.
    if (!m_editing)
        return;
    m_editing = false;
    m_combo->hidePopup();
    setFocus();
    QPointer<BaseComboBox> self(this);
    emit signalEditingEnd(false);
    if (self)
        restoreFooter();
}

void BaseComboBox::restoreFooter()
{
    if (!m_footerSaved)
        return;
    m_footerSaved = false;
    if (MainWindow* window = mainWindow())
        window->setTextInfo(m_savedInfo);
}

bool BaseComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_combo) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
            if (!m_editing) {
                emit mousePress(m_index);
                return true;
            }
            break;
        case QEvent::MouseButtonDblClick:
            slotEditingBegin();
            return true;
        case QEvent::Wheel:
            return true;
        default:
            break;
        }
    }
    return BaseParamWidget::eventFilter(watched, event);
}

void BaseComboBox::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        event->accept();
        if (hasFocus())
            slotEditingBegin();
        return;
    default:
        // The screen moves between rows and goes back.
        event->ignore();
        return;
    }
}

void BaseComboBox::focusInEvent(QFocusEvent* event)
{
    BaseParamWidget::focusInEvent(event);
    setState(1);
}

void BaseComboBox::focusOutEvent(QFocusEvent* event)
{
    BaseParamWidget::focusOutEvent(event);
    // Opening the popup takes the focus from the row without a real loss: the
    // row is still the focus widget then, or the popup's list has it.
    if (hasFocus() || m_combo->itemView()->hasFocus())
        return;
    if (m_editing) {
        m_editing = false;
        m_combo->hidePopup();
        QPointer<BaseComboBox> self(this);
        emit signalEditingEnd(false);
        if (!self)
            return;
        restoreFooter();
    }
    setState(0);
}
