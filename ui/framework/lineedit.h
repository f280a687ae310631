#ifndef LINEEDIT_H
#define LINEEDIT_H

#include <QLineEdit>

class QDoubleValidator;
struct ParameterDef;

// The value field of an edit row, prepared from a parameter's definition (input
// mask or validator, decimals, the displayed texts of the limits) and driven by
// the keypad: the first key replaces the old value, the page keys move the cursor.
class LineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit LineEdit(QWidget* parent = nullptr);

    void init(const ParameterDef* def);
    // Shows a text whole, also one longer than an entry may be (a stored
    // value beyond the limits, "---" in a short field): the field is widened
    // for it, and the first key, which clears the field, bounds the entry by
    // the limits again.
    void showText(const QString& text);

    void setClear(bool clear) { m_clear = clear; }
    bool isClear() const { return m_clear; }
    bool isTyped() const { return m_typed; }

    // The input mask the field takes while it is being edited (empty for plain numbers).
    QString storedMask() const { return m_mask; }
    int decimals() const { return m_decimals; }
    QString minText() const { return m_minText; }
    QString maxText() const { return m_maxText; }

public slots:
    void keyLeftPress();
    void keyRightPress();

signals:
    // Emitted after the field's own focus-out handling, so its row can end or break an edit.
    void signalFocusOut();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QDoubleValidator* m_validator = nullptr;
    bool m_typed = false;
    bool m_clear = true;
    QString m_mask;
    int m_decimals = 0;
    QString m_minText;
    QString m_maxText;
    // The maximum length of an entry while a longer text is shown; -1 when
    // the field is not widened.
    int m_entryLength = -1;
};

#endif // LINEEDIT_H
