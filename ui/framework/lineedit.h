#ifndef LINEEDIT_H
#define LINEEDIT_H

#include <QBitArray>
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
    // Puts a time laid out with ":" under the stored mask, its first field as
    // wide as the mask's: a value whose first field is wider than the
    // maximum's is shown whole under a mask widened for it, until the first
    // key clears the field and the stored mask bounds the entry again. A text
    // of another layout ("---", a negative time) is left to the mask.
    void showMasked(const QString& text);

    void setClear(bool clear) { m_clear = clear; }
    bool isClear() const { return m_clear; }
    // Whether a character was entered or erased since the field took the
    // focus; a cursor key, or the first key clearing the field, is no entry.
    bool isTyped() const { return m_typed; }
    // Whether a character was entered or erased in the places from..to-1
    // since the field took the focus; a selection that a key replaced or
    // erased counts only where a character went. Meant for a field the first
    // key does not clear, whose places keep their meaning (the octets of an
    // address): a place the operator never typed into holds what was shown
    // or, where a key took the selection away, the mask's fill.
    bool isTypedWithin(int from, int to) const;

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
    void markTyped(int from, int to);

    QDoubleValidator* m_validator = nullptr;
    // A key has reached the field since it took the focus.
    bool m_keyed = false;
    bool m_typed = false;
    // The places an entry key changed since the field took the focus.
    QBitArray m_typedPlaces;
    bool m_clear = true;
    QString m_mask;
    int m_decimals = 0;
    QString m_minText;
    QString m_maxText;
    // The maximum length of an entry while a longer text is shown; -1 when
    // the field is not widened.
    int m_entryLength = -1;
    // The field shows a value under a mask wider than the stored one.
    bool m_maskWidened = false;
};

#endif // LINEEDIT_H
