#ifndef BASEPASSEDITWIDGET_H
#define BASEPASSEDITWIDGET_H

#include "baseparamwidget.h"
#include "editcycle.h"

class QLabel;
class LineEdit;

// The row of a numeric password or code: a digits-only field whose digits
// show only while it is being edited, unfilled places counting as 0.
class BasePassEditWidget : public BaseParamWidget, private EditCycle::Steps
{
    Q_OBJECT
public:
    BasePassEditWidget(unsigned short id, int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setState(int state) { m_cycle.setState(state); }
    void undoChanges() override;

    int index() const { return m_cycle.index(); }
    int state() const { return m_cycle.state(); }
    bool isEditing() const { return m_cycle.isEditing(); }
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
    bool editHasFocus() const override;
    void openEdit() override;
    QString rangeText() const override;
    // The digits the field holds, as it shows them while being edited.
    QString entryText() const override;
    bool commitEntry(const QString& text) override { return setValue(text); }
    bool isEntryTyped() const override;
    bool keepStoredValue() override { return reenterStoredValue(); }
    void reportEnd(bool ok) override { emit signalEditingEnd(ok); }

    QLabel* m_nameLabel = nullptr;
    LineEdit* m_edit = nullptr;
    QLabel* m_unitLabel = nullptr;
    QString m_mask;
    EditCycle m_cycle;
};

#endif // BASEPASSEDITWIDGET_H
