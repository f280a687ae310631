#ifndef BASEPARAMLABEL_H
#define BASEPARAMLABEL_H

#include "baseparamwidget.h"

#include <QStringList>

class QLabel;

// One centred label showing a text chosen by the value, or the formatted value.
class BaseParamLabel : public BaseParamWidget
{
    Q_OBJECT
public:
    BaseParamLabel(unsigned short id, const QStringList& texts, QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }

public slots:
    void slotUpdateValue() override;

private:
    QLabel* m_label = nullptr;
    QStringList m_texts;
};

#endif // BASEPARAMLABEL_H
