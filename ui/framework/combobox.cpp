#include "combobox.h"

#include "itemview.h"

#include <QKeyEvent>
#include <QStyleOptionComboBox>
#include <QStylePainter>

ComboBox::ComboBox(QWidget* parent)
    : QComboBox(parent)
    , m_view(new ItemView)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setFocusPolicy(Qt::ClickFocus);
    setView(m_view);

    // The current item is set before the row hears of the choice.
    connect(m_view, &ItemView::signalSetCurrentIndex, this, &ComboBox::setCurrentIndex);
    connect(m_view, &ItemView::signalSetCurrentIndex, this, &ComboBox::signalSetCurrentIndex);
    connect(m_view, &ItemView::signalKeyEscPress, this, &ComboBox::slotHidePopup);

    // The popup's own container closes itself on Enter, F4 and Esc before the
    // list sees them; the list is ours to drive, so it gets them first.
    m_view->installEventFilter(this);
}

ComboBox* ComboBox::createRowField(QWidget* row)
{
    auto* combo = new ComboBox(row);
    combo->setObjectName(QStringLiteral("valueComboBox_"));
    combo->setFixedWidth(198);
    combo->installEventFilter(row);
    return combo;
}

void ComboBox::openList()
{
    // Opening puts the list's cursor on the current item: no choice of the
    // operator's.
    showPopup();
    m_view->setFocus();
    m_view->forgetChoice();
}

bool ComboBox::isChosen() const
{
    return m_view->isChosen();
}

QString ComboBox::shownText() const
{
    return currentIndex() < 0 ? QStringLiteral("---") : currentText();
}

void ComboBox::paintEvent(QPaintEvent* event)
{
    if (currentIndex() >= 0) {
        QComboBox::paintEvent(event);
        return;
    }
    // As QComboBox paints itself, with the text of an invalid value.
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText = shownText();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

bool ComboBox::hasEditFocus(const QWidget* row) const
{
    return row->hasFocus() || m_view->hasFocus();
}

bool ComboBox::isPopupVisible() const
{
    return m_view->isVisible();
}

void ComboBox::hidePopup()
{
    // Hiding the popup takes the focus from its list, which asks to hide the
    // popup again: the inner call has nothing left to do.
    if (m_hiding)
        return;
    m_hiding = true;
    QComboBox::hidePopup();
    m_hiding = false;
}

void ComboBox::slotHidePopup()
{
    if (isPopupVisible())
        hidePopup();
    emit signalKeyEscPress();
}

bool ComboBox::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::ShortcutOverride) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Enter:
        case Qt::Key_Return:
        case Qt::Key_F4:
        case Qt::Key_Escape:
        case Qt::Key_F3:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_F6:
        case Qt::Key_F8:
            // Taken as a key press by the list, not as a shortcut.
            event->accept();
            return true;
        default:
            break;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
