#ifndef VIRTUALKEYBOARD_H
#define VIRTUALKEYBOARD_H

#include <QDialog>
#include <QLabel>

class QGridLayout;

// One key of the on-screen keyboard; pressed with Enter or F4, or touched.
class KeyboardButton : public QLabel
{
    Q_OBJECT
public:
    KeyboardButton(int row, int column, const QString& text, QWidget* keyboard);

    int row() const { return m_row; }
    int column() const { return m_column; }
    QString text() const;
    void setState(int state);

signals:
    void mousePress(int row, int column);
    void entered(QString text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QLabel* m_textLabel = nullptr;
    int m_row = 0;
    int m_column = 0;
};

// Digits and capital Latin letters for texts such as the well name: 4 rows of
// 10 keys docked at the bottom of the main window, walked with the arrows (or
// F5 to F8, wrapping round) and pressed with Enter, or touched. Every key is
// reported as its text; the two wide keys as "Del" and "Enter".
class VirtualKeyboard : public QDialog
{
    Q_OBJECT
public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 10;
    // Space kept free under the keyboard, above the bottom of the main window.
    static constexpr int BottomMargin = 38;

    explicit VirtualKeyboard(QWidget* parent = nullptr);
    ~VirtualKeyboard() override;

    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return m_currentColumn; }
    // The key covering a cell (a wide key covers two).
    KeyboardButton* key(int row, int column) const;
    KeyboardButton* currentKey() const { return key(m_currentRow, m_currentColumn); }

    void keyLeftPress();
    void keyRightPress();
    void keyUpPress();
    void keyDownPress();

signals:
    void entered(QString text);

public slots:
    void moveBottom();
    void mousePress(int row, int column);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void addKey(int row, int column, const QString& text, int columnSpan = 1);
    // The focus goes to the current key once the event being handled is done.
    void focusCurrentKey();

    QGridLayout* m_layout = nullptr;
    int m_rows = Rows;
    int m_columns = Columns;
    int m_currentRow = 0;
    int m_currentColumn = 0;
    KeyboardButton* m_keys[Rows][Columns] = {};
};

#endif // VIRTUALKEYBOARD_H
