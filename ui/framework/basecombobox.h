#ifndef BASECOMBOBOX_H
#define BASECOMBOBOX_H

#include "baseparamwidget.h"
#include "pairlist.h"

class QLabel;
class ComboBox;

// A row that lets the operator pick one of a list of coded choices for a
// parameter: begin (access check, the popup opens), choose (the code is
// written) or give up (Esc, F3, loss of focus).
class BaseComboBox : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseComboBox(unsigned short id, int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setValuesList(const PairList& list);
    void setState(int state);
    void undoChanges();

    int index() const { return m_index; }
    int state() const { return m_state; }
    bool isEditing() const { return m_editing; }
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
    void restoreFooter();

    QLabel* m_nameLabel = nullptr;
    ComboBox* m_combo = nullptr;
    PairList m_list;
    QString m_savedInfo;
    bool m_footerSaved = false;
    int m_index = 0;
    int m_state = 0;
    bool m_editing = false;
};

#endif // BASECOMBOBOX_H
