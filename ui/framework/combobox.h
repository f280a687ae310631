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

    ItemView* itemView() const { return m_view; }
    bool isPopupVisible() const;
    void hidePopup() override;

signals:
    void signalSetCurrentIndex(int index);
    void signalKeyEscPress();

public slots:
    void slotHidePopup();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ItemView* m_view = nullptr;
    bool m_hiding = false;
};

#endif // COMBOBOX_H
