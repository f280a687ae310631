#ifndef BASECOMBOBOX_H
#define BASECOMBOBOX_H

#include "baseparamwidget.h"
#include "editcycle.h"
#include "pairlist.h"

class QLabel;
class ComboBox;

// A row that lets the operator pick one of a list of coded choices for a
// parameter: begin (access check, the popup opens), choose (the code is
// written) or give up (Esc, F3, loss of focus). An end with nothing chosen
// writes nothing: the item under the list's cursor then is only what the
// row showed, which may be a value changed since. A value never received
// shows no item.
class BaseComboBox : public BaseParamWidget, private EditCycle::Steps
{
    Q_OBJECT
public:
    BaseComboBox(unsigned short id, int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setValuesList(const PairList& list);
    void setState(int state) { m_cycle.setState(state); }
    void undoChanges() override;

    int index() const { return m_cycle.index(); }
    int state() const { return m_cycle.state(); }
    bool isEditing() const { return m_cycle.isEditing(); }
    PairList valuesList() const { return m_list; }
    ComboBox* comboBox() const { return m_combo; }
    QLabel* nameLabel() const { return m_nameLabel; }

public slots:
    void slotUpdateValue() override;
    void slotEditingBegin();
    void slotEditingEnd();
    void slotEditingBreak();

signals:
    void mousePress(int index);
    void signalEditingEnd(bool isGood);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool editHasFocus() const override;
    void openEdit() override;
    void closeEdit() override;
    bool commitEntry(const QString& text) override;
    bool isEntryTyped() const override;
    bool keepStoredValue() override { return reenterStoredValue(); }
    void reportEnd(bool ok) override { emit signalEditingEnd(ok); }

    QLabel* m_nameLabel = nullptr;
    ComboBox* m_combo = nullptr;
    PairList m_list;
    EditCycle m_cycle;
};

#endif // BASECOMBOBOX_H
