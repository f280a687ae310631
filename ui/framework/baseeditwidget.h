#ifndef BASEEDITWIDGET_H
#define BASEEDITWIDGET_H

#include "baseparamwidget.h"
#include "editcycle.h"

class QLabel;
class LineEdit;

// The row with which the operator changes one numeric, time or date parameter:
// begin (access check, the range in the footer), type, end (range test and
// write) or break off (Esc, F3, loss of focus).
class BaseEditWidget : public BaseParamWidget, private EditCycle::Steps
{
    Q_OBJECT
public:
    BaseEditWidget(unsigned short id, int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setState(int state) { m_cycle.setState(state); }
    void setWarning(bool warning) { m_cycle.setWarning(warning); }
    void undoChanges() override;

    int index() const { return m_cycle.index(); }
    int state() const { return m_cycle.state(); }
    bool isWarning() const { return m_cycle.isWarning(); }
    bool isEditing() const { return m_cycle.isEditing(); }
    LineEdit* lineEdit() const { return m_edit; }
    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* unitLabel() const { return m_unitLabel; }

public slots:
    void slotUpdateValue() override;
    // Virtual so that a row with steps of its own before or after the edit
    // (the clock row) is reached by the keys and the double click as well.
    virtual void slotEditingBegin();
    virtual bool slotEditingEnd();
    virtual void slotEditingBreak();

signals:
    void mousePress(int index);
    void signalEditingBegin();
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
    QString entryText() const override;
    void closeEdit() override;
    bool commitEntry(const QString& text) override;
    bool isEntryTyped() const override;
    bool keepStoredValue() override { return reenterStoredValue(); }
    void reportEnd(bool ok) override { emit signalEditingEnd(ok); }

    QLabel* m_nameLabel = nullptr;
    LineEdit* m_edit = nullptr;
    QLabel* m_unitLabel = nullptr;
    EditCycle m_cycle;
};

#endif // BASEEDITWIDGET_H
