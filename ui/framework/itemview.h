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

    // Whether the operator moved the list's cursor or touched an item since
    // forgetChoice(): an end without either chooses nothing.
    bool isChosen() const { return m_chosen; }
    void forgetChoice() { m_chosen = false; }

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
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    bool m_chosen = false;
};

#endif // ITEMVIEW_H
