#ifndef BASEPASSEDITWIDGET_H
#define BASEPASSEDITWIDGET_H

#include "baseparamwidget.h"

class QLabel;
class LineEdit;

// The row of a numeric password or code: a digits-only field whose digits
// show only while it is being edited, unfilled places counting as 0.
class BasePassEditWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    BasePassEditWidget(unsigned short id, int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setState(int state);
    void undoChanges();

    int index() const { return m_index; }
    int state() const { return m_state; }
    bool isEditing() const { return m_editing; }
    QString inputMaskText() const { return m_mask; }
    LineEdit* lineEdit() const { return m_edit; }
    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* unitLabel() const { return m_unitLabel; }

    // The field's mask for a format text: every digit a "0", unfilled places shown as 0.
    static QString maskFor(const QString& format);

public slots:
    void slotUpdateValue() override;
    void slotEditingBegin();
    bool slotEditingEnd();
    void slotEditingBreak();

signals:
    void mousePress(int index);
    void signalEditingEnd(bool isGood);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void focusLost();
    void restoreFooter();
    // The digits the field holds, as it shows them while being edited.
    QString fieldDigits() const;

    QLabel* m_nameLabel = nullptr;
    LineEdit* m_edit = nullptr;
    QLabel* m_unitLabel = nullptr;
    QString m_savedInfo;
    bool m_footerSaved = false;
    QString m_mask;
    int m_index = 0;
    int m_state = 0;
    bool m_editing = false;
};

#endif // BASEPASSEDITWIDGET_H
