#include "baseuuidwidget.h"

#include "mainapplication.h"
#include "parameters.h"

#include <QHBoxLayout>
#include <QLabel>
#include <cstdlib>

namespace {

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

QString hex(quint32 value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0'));
}

} // namespace

BaseUuidWidget::BaseUuidWidget(unsigned short id1, unsigned short id2, unsigned short id3, unsigned short id4,
                               QWidget* parent)
    : QWidget(parent)
    , m_ids{id1, id2, id3, id4}
{
    setMinimumHeight(37);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setMinimumHeight(minimumHeight());
    m_nameLabel->setWordWrap(true);
    m_nameLabel->setFixedWidth(110);

    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("valueLabel_"));

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_valueLabel, 1);

    m_timer.setSingleShot(true);
    m_timer.setInterval(400 + (rand() % 10) * 20);
    connect(&m_timer, &QTimer::timeout, this, &BaseUuidWidget::slotUpdateValueStart);
    if (Parameters* parameters = store())
        connect(parameters, &Parameters::signalParamUpdated, this, &BaseUuidWidget::slotParamUpdated);
}

void BaseUuidWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

QString BaseUuidWidget::uuidText(quint32 w1, quint32 w2, quint32 w3, quint32 w4)
{
    return QStringLiteral("%1-%2-%3-%4-%5%6")
        .arg(hex(w1, 8), hex(w2 >> 16, 4), hex(w2 & 0xFFFFu, 4), hex(w3 >> 16, 4), hex(w3 & 0xFFFFu, 4),
             hex(w4, 8))
        .toUpper();
}

void BaseUuidWidget::slotParamUpdated(quint16 id)
{
    // A burst of updates gives one refresh.
    if (m_ids.contains(id) && isVisible() && !m_timer.isActive())
        m_timer.start();
}

void BaseUuidWidget::slotUpdateValueStart()
{
    slotUpdateValue();
}

void BaseUuidWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slotUpdateValue();
}

void BaseUuidWidget::slotUpdateValue()
{
    Parameters* parameters = store();
    if (!parameters)
        return;
    const quint32 w1 = parameters->getU32(m_ids.at(0));
    // No identifier yet: the row keeps what it shows.
    if (w1 == 0)
        return;
    const QString text = uuidText(w1, parameters->getU32(m_ids.at(1)), parameters->getU32(m_ids.at(2)),
                                  parameters->getU32(m_ids.at(3)));
    if (m_valueLabel->text() != text)
        m_valueLabel->setText(text);
}
