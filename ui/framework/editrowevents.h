#ifndef EDITROWEVENTS_H
#define EDITROWEVENTS_H

#include <QEvent>
#include <QKeyEvent>
#include <QObject>

// The keys and mouse of an editable row, alike for every kind of row: F4 or
// Enter begins or ends an edit, Esc or F3 breaks it, the cursor keys move
// between rows unless a field is being edited, a click selects the row and a
// double click begins the edit. Row is any row class with isEditing(),
// index(), the mousePress(int) signal and the editing slots; a row with a line
// field has lineEdit(), a row with a list comboBox().
namespace EditRowEvents {

inline bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F4;
}

// True when a click or a double click on the row's value widget was taken here.
template <typename Row>
bool filterPress(Row* row, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress && !row->isEditing()) {
        emit row->mousePress(row->index());
        return true;
    }
    if (event->type() == QEvent::MouseButtonDblClick) {
        // The row may be gone after the begin (a dialog ran meanwhile).
        row->slotEditingBegin();
        return true;
    }
    return false;
}

// A line field takes no drag selection.
template <typename Row>
bool filterField(Row* row, QObject* watched, QEvent* event)
{
    return watched == row->lineEdit() && (filterPress(row, event) || event->type() == QEvent::MouseMove);
}

// A list is not turned by the wheel.
template <typename Row>
bool filterList(Row* row, QObject* watched, QEvent* event)
{
    return watched == row->comboBox() && (filterPress(row, event) || event->type() == QEvent::Wheel);
}

template <typename Row>
void keyPress(Row* row, QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    const int key = event->key();
    if (isEnterKey(key)) {
        event->accept();
        if (row->hasFocus())
            row->slotEditingBegin();
        else
            row->slotEditingEnd();
        return;
    }
    switch (key) {
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

// A list row: Enter begins; the open list takes every other key itself, and
// the screen moves between rows and goes back.
template <typename Row>
void keyPressList(Row* row, QKeyEvent* event)
{
    if (event->isAutoRepeat() || !isEnterKey(event->key())) {
        event->ignore();
        return;
    }
    event->accept();
    if (row->hasFocus())
        row->slotEditingBegin();
}

} // namespace EditRowEvents

#endif // EDITROWEVENTS_H
