#ifndef BASESTATUSWIDGET_H
#define BASESTATUSWIDGET_H

#include "baseparamwidget.h"

class QLabel;

// A read-only row: name, formatted value (or the bits of the value) and unit.
class BaseStatusWidget : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseStatusWidget(unsigned short id, int index, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setBitEnabled(bool enabled);
    bool isBitEnabled() const { return m_bits; }
    void setState(int state);
    int index() const { return m_index; }

    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* valueLabel() const { return m_valueLabel; }
    QLabel* unitLabel() const { return m_unitLabel; }

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
    QLabel* m_unitLabel = nullptr;
    int m_index = 0;
    bool m_bits = false;
};

#endif // BASESTATUSWIDGET_H
