#include "baseparamlabel.h"

#include "parameterdef.h"
#include "saturate.h"

#include <QHBoxLayout>
#include <QLabel>

BaseParamLabel::BaseParamLabel(unsigned short id, const QStringList& texts, QWidget* parent)
    : BaseParamWidget(id, parent)
    , m_texts(texts)
{
    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("BaseLabel"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_layout->addWidget(m_label, 1);
}

void BaseParamLabel::slotUpdateValue()
{
    if (m_texts.isEmpty()) {
        const QString text = valueText(false);
        if (m_label->text() != text)
            m_label->setText(text);
        return;
    }
    if (!isValid())
        return;
    const double value = m_def->valueFloat();
    // Truncation toward zero: -0.5 names the first text, -1 none.
    if (value <= -1.0 || value >= static_cast<double>(m_texts.size()))
        return;
    const int index = saturatingInt(value);
    if (index < 0 || index >= m_texts.size())
        return;
    if (m_label->text() != m_texts.at(index))
        m_label->setText(m_texts.at(index));
}
