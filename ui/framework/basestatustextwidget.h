#ifndef BASESTATUSTEXTWIDGET_H
#define BASESTATUSTEXTWIDGET_H

#include "baseparamwidget.h"
#include "pairlist.h"

class QLabel;

// A read-only row that names the value of its parameter by a code list.
class BaseStatusTextWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseStatusTextWidget(unsigned short id, int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setValuesList(const PairList& list);
    void setState(int state);
    int index() const { return m_index; }

    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* valueTextLabel() const { return m_valueLabel; }

public slots:
    void slotUpdateValue() override;

signals:
    void mousePress(int index);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QLabel* m_nameLabel = nullptr;
    QLabel* m_valueLabel = nullptr;
    PairList m_list;
    bool m_hasList = false;
    int m_index = 0;
};

#endif // BASESTATUSTEXTWIDGET_H
