#ifndef COMBOBOX_H
#define COMBOBOX_H

#include <QComboBox>

class ItemView;

// The value field of a combo box row: its popup is an ItemView, whose choice
// or refusal the row hears through the two signals below.
class ComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    // The value field of a combo box row: "valueComboBox_", 198 wide, its
    // mouse and wheel filtered by the row.
    static ComboBox* createRowField(QWidget* row);

    ItemView* itemView() const { return m_view; }
    bool isPopupVisible() const;
    void hidePopup() override;
    // Opens the popup with its list taking the keys, nothing chosen yet.
    void openList();
    // Whether the operator chose in the list since it was opened (moved its
    // cursor or touched an item).
    bool isChosen() const;
    // The text the field shows: the current item's, or "---" when no item is
    // current (a value never received).
    QString shownText() const;
    // Whether the row's edit still holds the focus: opening the popup takes
    // it from the row without a real loss, the row being still the focus
    // widget then, or the popup's list having it.
    bool hasEditFocus(const QWidget* row) const;

signals:
    void signalSetCurrentIndex(int index);
    void signalKeyEscPress();

public slots:
    void slotHidePopup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    ItemView* m_view = nullptr;
    bool m_hiding = false;
};

#endif // COMBOBOX_H
