#include "basecombobox2.h"

#include "combobox.h"
#include "itemview.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "widgetstate.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

namespace {

MainWindow* mainWindow()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getMainWindow() : nullptr;
}

} // namespace

BaseComboBox2::BaseComboBox2(int index, QWidget* parent)
    : QWidget(parent)
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(37);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setMinimumHeight(minimumHeight());
    m_nameLabel->setWordWrap(true);

    m_combo = new ComboBox(this);
    m_combo->setObjectName(QStringLiteral("valueComboBox_"));
    m_combo->setFixedWidth(198);

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_combo);

    connect(m_combo, &ComboBox::signalSetCurrentIndex, this, &BaseComboBox2::slotEditingEnd);
    connect(m_combo, &ComboBox::signalKeyEscPress, this, &BaseComboBox2::slotEditingBreak);
    m_combo->installEventFilter(this);
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

void BaseComboBox2::setState(int state)
{
    m_state = state;
    applyWidgetState(m_nameLabel, state);
    applyWidgetState(m_combo, state);
    update();
}

void BaseComboBox2::slotEditingBegin()
{
    // No choices, no popup: an edit could never end.
    if (m_editing || m_combo->count() == 0)
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

void BaseComboBox2::slotEditingEnd()
{
    if (!m_editing)
        return;
    m_editing = false;
    m_combo->hidePopup();
    setFocus();
    const int selected = m_combo->currentIndex();
    if (selected >= 0)
        m_current = m_combo->itemData(selected).toInt();
    QPointer<BaseComboBox2> self(this);
    emit signalEditingEnd(true);
    if (self)
        restoreFooter();
}

void BaseComboBox2::slotEditingBreak()
{
    // The popup also reports its own closing at the end of an edit.
    if (!m_editing)
        return;
    m_editing = false;
    m_combo->hidePopup();
    setFocus();
    restoreFooter();
}

void BaseComboBox2::restoreFooter()
{
    if (!m_footerSaved)
        return;
    m_footerSaved = false;
    if (MainWindow* window = mainWindow())
        window->setTextInfo(m_savedInfo);
}

bool BaseComboBox2::eventFilter(QObject* watched, QEvent* event)
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
    return QWidget::eventFilter(watched, event);
}

void BaseComboBox2::keyPressEvent(QKeyEvent* event)
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
        event->ignore();
        return;
    }
}

void BaseComboBox2::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    setState(1);
}

void BaseComboBox2::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (hasFocus() || m_combo->itemView()->hasFocus())
        return;
    if (m_editing) {
        m_editing = false;
        m_combo->hidePopup();
        restoreFooter();
    }
    setState(0);
}
