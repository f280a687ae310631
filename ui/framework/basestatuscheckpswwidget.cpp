#include "basestatuscheckpswwidget.h"

#include "common.h"
#include "mainapplication.h"
#include "parameterdef.h"
#include "parameters.h"
#include "saturate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <cstdlib>

namespace {

const quint16 IdOilCompany = 1330;
// The oil company whose screens name the sensor channels.
const quint16 ChannelNamingCompany = 1;

struct Channel
{
    unsigned short id;
    const char* label;
};

// sensor value id, channel label
const Channel channels[] = {
    {15002, "P1"}, {15003, "T3"}, {15004, "T1"}, {15005, "V"},  {15006, "V"},  {15007, "V"},
    {15008, "P4"}, {15009, "T4"}, {15010, "Q"},  {15011, "V"},  {15012, "V"},  {15048, "T2"},
    {15089, "P3"}, {15113, "P2"},
};

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

} // namespace

BaseStatusCheckPswWidget::BaseStatusCheckPswWidget(unsigned short id, unsigned short id2, QWidget* parent)
    : QWidget(parent)
    , m_id(id)
    , m_id2(id2)
{
    Parameters* parameters = store();
    m_def = parameters ? parameters->getParameter(id) : nullptr;

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setWordWrap(true);

    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("valueLabel_"));
    m_valueLabel->setFixedWidth(93);

    m_unitLabel = new QLabel(this);
    m_unitLabel->setObjectName(QStringLiteral("unitLabel_"));
    m_unitLabel->setFixedWidth(76);
    m_unitLabel->setWordWrap(true);
    if (parameters && m_def)
        m_unitLabel->setText(parameters->getTextUnit(m_def));

    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_valueLabel);
    m_layout->addWidget(m_unitLabel);

    m_timer.setSingleShot(true);
    m_timer.setInterval(400 + (rand() % 10) * 20);
    connect(&m_timer, &QTimer::timeout, this, &BaseStatusCheckPswWidget::slotUpdateValueStart);
    if (parameters)
        connect(parameters, &Parameters::signalParamUpdated, this, &BaseStatusCheckPswWidget::slotParamUpdated);
}

void BaseStatusCheckPswWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

QString BaseStatusCheckPswWidget::channelLabel(unsigned short id)
{
    for (const Channel& channel : channels) {
        if (channel.id == id)
            return QString::fromLatin1(channel.label);
    }
    return QString();
}

void BaseStatusCheckPswWidget::slotParamUpdated(quint16 id)
{
    // A burst of updates of either parameter gives one refresh.
    if ((id == m_id || id == m_id2) && isVisible() && !m_timer.isActive())
        m_timer.start();
}

void BaseStatusCheckPswWidget::slotUpdateValueStart()
{
    slotUpdateValue();
}

void BaseStatusCheckPswWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slotUpdateValue();
}

void BaseStatusCheckPswWidget::slotUpdateValue()
{
    Parameters* parameters = store();
    if (!parameters || !m_def)
        return;
    QString missing = QObject::tr("Нет датчика");
    QString failed = QObject::tr("Отказ датчика");
    if (saturatingCast<quint16>(parameters->get(IdOilCompany)) == ChannelNamingCompany) {
        const QString label = channelLabel(m_id);
        if (!label.isEmpty()) {
            missing = label;
            failed = label;
        }
    }

    // The status is a code in a float parameter: NaN and out-of-range values
    // saturate, so a status never received reads as a working sensor.
    QString text;
    switch (saturatingInt(parameters->get(m_id2))) {
    case 0: {
        m_valueLabel->setFixedWidth(93);
        m_unitLabel->show();
        unTypeData data;
        data.f = parameters->convertFrom(m_def->valueFloat(), m_def, false, true);
        text = Common::getTextValue(data, m_def, m_def->validity.load() != 0, false);
        break;
    }
    case 1:
        m_unitLabel->hide();
        m_valueLabel->setFixedWidth(169);
        text = missing;
        break;
    case 2:
        m_unitLabel->hide();
        m_valueLabel->setFixedWidth(169);
        text = failed;
        break;
    default:
        // Any other status leaves the cell as it is.
        return;
    }
    if (m_valueLabel->text() != text)
        m_valueLabel->setText(text);
}
