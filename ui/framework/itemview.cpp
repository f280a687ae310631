#include "itemview.h"

#include "delegatewithoutfocus.h"

#include <QKeyEvent>
#include <QScroller>

ItemView::ItemView(QWidget* parent)
    : QListView(parent)
{
    setObjectName(QStringLiteral("ItemView"));
    setItemDelegate(new DelegateWithoutFocus(this));
    QScroller::grabGesture(viewport(), QScroller::LeftMouseButtonGesture);
    connect(this, &ItemView::pressed, this, &ItemView::slotClicked);
}

void ItemView::keyUpPress()
{
    // The list does not wrap: the first row stays the first.
    if (!model() || model()->rowCount(rootIndex()) == 0)
        return;
    const int row = currentIndex().row();
    if (row > 0)
        setCurrentIndex(model()->index(row - 1, modelColumn(), rootIndex()));
}

void ItemView::keyDownPress()
{
    if (!model())
        return;
    const int rows = model()->rowCount(rootIndex());
    if (rows == 0)
        return;
    const int row = currentIndex().row();
    if (row < rows - 1)
        setCurrentIndex(model()->index(row + 1, modelColumn(), rootIndex()));
}

void ItemView::slotClicked(const QModelIndex& index)
{
    // A touch chooses its item, also the one under the cursor already.
    m_chosen = true;
    emit signalSetCurrentIndex(index.row());
}

void ItemView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    m_chosen = true;
}

void ItemView::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        QListView::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_F4:
        event->accept();
        emit signalSetCurrentIndex(currentIndex().row());
        return;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        event->accept();
        emit signalKeyEscPress();
        return;
    case Qt::Key_Up:
    case Qt::Key_F6:
        event->accept();
        keyUpPress();
        return;
    case Qt::Key_Down:
    case Qt::Key_F8:
        event->accept();
        keyDownPress();
        return;
    default:
        QListView::keyPressEvent(event);
        return;
    }
}

void ItemView::focusOutEvent(QFocusEvent* event)
{
    QListView::focusOutEvent(event);
    emit signalKeyEscPress();
}
