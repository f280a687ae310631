#ifndef BASECOMBOBOX2_H
#define BASECOMBOBOX2_H

#include "editcycle.h"
#include "pairlist.h"

#include <QWidget>

class QHBoxLayout;
class QLabel;
class ComboBox;

// A combo box row bound to no parameter: it only keeps the chosen code,
// which its screen reads (the motor wizard picks its choices this way).
class BaseComboBox2 : public QWidget, private EditCycle::Steps
{
    Q_OBJECT
public:
    BaseComboBox2(int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setValuesList(const PairList& list, int current);
    void setState(int state) { m_cycle.setState(state); }

    int currentCode() const { return m_current; }
    int index() const { return m_cycle.index(); }
    int state() const { return m_cycle.state(); }
    bool isEditing() const { return m_cycle.isEditing(); }
    PairList valuesList() const { return m_list; }
    ComboBox* comboBox() const { return m_combo; }
    QLabel* nameLabel() const { return m_nameLabel; }

public slots:
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
    void reportEnd(bool ok) override;

    QLabel* m_nameLabel = nullptr;
    ComboBox* m_combo = nullptr;
    QHBoxLayout* m_layout = nullptr;
    PairList m_list;
    int m_current = 0;
    EditCycle m_cycle;
};

#endif // BASECOMBOBOX2_H
