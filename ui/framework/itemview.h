#ifndef ITEMVIEW_H
#define ITEMVIEW_H

#include <QListView>

// The popup list of a combo box row, driven by the front-panel keys (the
// arrows stop at the ends, Enter chooses, Esc gives up) and by touch, with
// kinetic scrolling by dragging the finger.
class ItemView : public QListView
{
    Q_OBJECT
public:
    explicit ItemView(QWidget* parent = nullptr);

signals:
    void signalSetCurrentIndex(int index);
    void signalKeyEscPress();

public slots:
    void keyUpPress();
    void keyDownPress();
    void slotClicked(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

#endif // ITEMVIEW_H
