#ifndef EDITROWEVENTS_H
#define EDITROWEVENTS_H

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

// The keys and mouse of an editable row, alike for every kind of row: F4 or
// Enter begins or ends an edit, Esc or F3 breaks it, the cursor keys move
// between rows unless a field is being edited, a click selects the row and a
// double click begins the edit. Row is any row class with lineEdit(),
// isEditing(), index(), the mousePress(int) signal and the editing slots.
namespace EditRowEvents {

// True when the event on the row's field was taken here.
template <typename Row>
bool filterField(Row* row, QObject* watched, QEvent* event)
{
    if (watched != row->lineEdit())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (!row->isEditing()) {
            emit row->mousePress(row->index());
            return true;
        }
        return false;
    case QEvent::MouseButtonDblClick:
        row->slotEditingBegin();
        return true;
    case QEvent::MouseMove:
        return true;
    default:
        return false;
    }
}

template <typename Row>
void keyPress(Row* row, QKeyEvent* event)
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
        if (row->hasFocus())
            row->slotEditingBegin();
        else
            row->slotEditingEnd();
        return;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        if (row->lineEdit()->hasFocus()) {
            event->accept();
            row->slotEditingBreak();
        } else {
            event->ignore();
        }
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_F6:
    case Qt::Key_F8:
        if (row->hasFocus())
            event->ignore();
        else
            event->accept();
        return;
    default:
        event->ignore();
        return;
    }
}

} // namespace EditRowEvents

#endif // EDITROWEVENTS_H
