#include "footerwidget.h"

#include <QHBoxLayout>
#include <QLabel>

FooterWidget::FooterWidget(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("FooterWidget"));

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("infoLabel_"));
    m_info->setFixedHeight(35);
    m_info->setAttribute(Qt::WA_TranslucentBackground);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(5, 0, 5, 0);
    layout->setSpacing(5);
    layout->addWidget(m_info);
}

QString FooterWidget::textInfo() const
{
    return m_info->text();
}

void FooterWidget::setTextInfo(QString text)
{
    m_info->setText(text);
}
