#ifndef PUSHBUTTON_H
#define PUSHBUTTON_H

#include <QLabel>
#include <QPixmap>

// A selectable row that runs something when pressed: an optional icon and a
// wrapped text. The keypad presses it with Enter or F4; a touch presses it only
// when it is released where it went down, so scrolling by touch never clicks.
class PushButton : public QLabel
{
    Q_OBJECT
public:
    PushButton(int index, const QString& text, const QPixmap& pixmap = QPixmap(),
               QWidget* parent = nullptr);

    int index() const { return m_index; }
    QString text() const;
    void setText(const QString& text);
    int state() const { return m_state; }

    void setState(int state);
    void setIcon(const QString& path);
    void setAlignment(Qt::Alignment alignment);

signals:
    void mousePress(int index);
    void clicked(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QLabel* m_iconLabel = nullptr;
    QLabel* m_textLabel = nullptr;
    int m_index = 0;
    int m_pressX = -1;
    int m_pressY = -1;
    int m_state = 0;
};

#endif // PUSHBUTTON_H
