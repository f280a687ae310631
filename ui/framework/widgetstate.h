#ifndef WIDGETSTATE_H
#define WIDGETSTATE_H

#include <QStyle>
#include <QVariant>
#include <QWidget>

// The style sheet selects rows by the dynamic property "state" (0 normal,
// 1 selected, 2 editing, 3 warning, 4 warning and selected); a widget has to
// be re-polished for a new value to take effect.
inline void applyWidgetState(QWidget* widget, int state)
{
    if (!widget)
        return;
    widget->setProperty("state", state);
    QStyle* style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
}

#endif // WIDGETSTATE_H
