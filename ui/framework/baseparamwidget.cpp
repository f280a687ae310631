#include "baseparamwidget.h"

#include "common.h"
#include "mainapplication.h"
#include "parameters.h"
#include "rawbits.h"
#include "saturate.h"
#include "units.h"

#include <QDateTime>
#include <QDebug>
#include <QHBoxLayout>
#include <QStringList>
#include <cstdlib>

namespace {

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : Common::parameters();
}

// One part of a time entry; a missing or unreadable part counts as 0.
qint64 timePart(const QStringList& parts, int index)
{
    bool ok = false;
    const qint64 value = parts.value(index).trimmed().toLongLong(&ok, 10);
    return ok ? value : 0;
}

} // namespace

BaseParamWidget::BaseParamWidget(unsigned short id, QWidget* parent)
    : QWidget(parent)
    , m_id(id)
{
    Parameters* parameters = store();
    m_def = parameters ? parameters->getParameter(id) : nullptr;
    if (!m_def)
        qWarning() << "BaseParamWidget: parameter" << id << "is not in the store";

    setMinimumHeight(37);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_timer.setSingleShot(true);
    m_timer.setInterval(400 + (rand() % 10) * 20);
    connect(&m_timer, &QTimer::timeout, this, &BaseParamWidget::slotUpdateValueStart);
    if (parameters) {
        connect(parameters, &Parameters::signalParamUpdated, this, &BaseParamWidget::slotParamUpdated);
        connect(this, &BaseParamWidget::signalParamWrite, parameters,
                [parameters](quint16 paramId, quint32 value) { parameters->set(paramId, value, 1); });
    }
}

bool BaseParamWidget::isValid() const
{
    return m_def && m_def->validity.load() != 0;
}

QString BaseParamWidget::valueText(bool pad) const
{
    if (!m_def)
        return QStringLiteral("---");
    unTypeData data;
    Parameters* parameters = store();
    data.f = parameters ? parameters->convertFrom(m_def->valueFloat(), m_def, false, true) : m_def->valueFloat();
    return Common::getTextValue(data, m_def, isValid(), pad);
}

void BaseParamWidget::slotParamUpdated(quint16 id)
{
    if (id != m_id || !isVisible() || m_timer.isActive())
        return;
    m_timer.start();
}

void BaseParamWidget::slotUpdateValueStart()
{
    slotUpdateValue();
}

void BaseParamWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slotUpdateValue();
}

bool BaseParamWidget::setValue(float value)
{
    if (!m_def)
        return false;
    const float min = m_def->min.load();
    const float max = m_def->max.load();
    const quint32 raw = m_def->value.load();
    qDebug() << "BaseParamWidget::setValue (check range)" << m_id << value << raw << min << max;
    const unsigned int scale = m_def->scale();
    if (!Common::checkRange(value, min, max, scale))
        return false;

    emit signalSetValue(m_id, bitsFromFloat(value));

    // The same at the parameter's resolution: the same step.
    const qint64 a = saturatingStep(value, scale);
    const qint64 b = saturatingStep(floatFromBits(raw), scale);
    qDebug() << "BaseParamWidget::setValue (signalParamWrite)" << a << b;
    // A value never received (or invalid) reads as 0 here: it must not make an
    // entry of 0 look unchanged.
    if (a == b && isValid())
        return true;
    emit signalParamWrite(m_id, bitsFromFloat(value));
    return true;
}

bool BaseParamWidget::reenterStoredValue()
{
    if (!m_def || !isValid())
        return false;
    const quint32 raw = m_def->value.load();
    const float min = m_def->min.load();
    // A date and time is read as setValue(unsigned int) reads it: no maximum,
    // and nobody told.
    if (Units::quantity(m_def->physic.load()) == 1)
        return static_cast<float>(raw) >= min;
    if (!Common::checkRange(floatFromBits(raw), min, m_def->max.load(), m_def->scale()))
        return false;
    emit signalSetValue(m_id, raw);
    return true;
}

bool BaseParamWidget::setValue(unsigned int value)
{
    if (!m_def)
        return false;
    if (static_cast<float>(value) < m_def->min.load())
        return false;
    emit signalParamWrite(m_id, value);
    return true;
}

bool BaseParamWidget::setValue(int value)
{
    return setValue(static_cast<float>(value));
}

bool BaseParamWidget::setValue(const QString& text)
{
    if (!m_def)
        return false;
    Parameters* parameters = store();
    const int quantity = Units::quantity(m_def->physic.load());
    const quint8 unit = m_def->unitOut.load();

    if (quantity == 2) {
        const QStringList parts = text.split(QLatin1Char(':'));
        qint64 seconds = 0;
        switch (unit) {
        case 3:
            seconds = timePart(parts, 0) * 1000 + timePart(parts, 1);
            break;
        case 4:
            seconds = timePart(parts, 0) * 60;
            break;
        case 5:
            seconds = timePart(parts, 0) * 60 + timePart(parts, 1);
            break;
        case 6:
            seconds = timePart(parts, 0) * 3600;
            break;
        case 7:
            seconds = timePart(parts, 0) * 3600 + timePart(parts, 1) * 60;
            break;
        case 8:
            seconds = timePart(parts, 0) * 3600 + timePart(parts, 1) * 60 + timePart(parts, 2);
            break;
        default: {
            bool ok = false;
            const float number = text.trimmed().toFloat(&ok);
            if (!ok)
                return false;
            const float converted = parameters ? parameters->convertTo(number, m_def, false) : number;
            return setValue(converted);
        }
        }
        const float number = static_cast<float>(seconds);
        return setValue(parameters ? parameters->convertTo(number, m_def, false) : number);
    }

    if (quantity == 1) {
        if (unit == 1 || unit == 2) {
            // Read the fields as they are written and take them as UTC: a local
            // reading could fall into a daylight-saving gap of the machine's zone.
            QDate date;
            QTime clock(0, 0);
            if (unit == 1) {
                if (text.length() != 19 || text.at(10) != QLatin1Char(' '))
                    return false;
                date = QDate::fromString(text.left(10), QStringLiteral("yyyy.MM.dd"));
                clock = QTime::fromString(text.mid(11), QStringLiteral("hh:mm:ss"));
            } else {
                date = QDate::fromString(QStringLiteral("20") + text, QStringLiteral("yyyy.MM.dd"));
            }
            const QDateTime time(date, clock, Qt::UTC);
            if (!date.isValid() || !clock.isValid() || !time.isValid())
                return false;
            const qint64 seconds = time.toSecsSinceEpoch();
            if (seconds < 0 || seconds > 0xFFFFFFFFLL)
                return false;
            return setValue(static_cast<unsigned int>(seconds));
        }
        qDebug() << "BaseParamWidget::setValue (QString to uint)" << text;
        bool ok = false;
        const unsigned int number = text.trimmed().toUInt(&ok, 10);
        if (!ok)
            return false;
        return setValue(number);
    }

    qDebug() << "BaseParamWidget::setValue (QString to float)" << text;
    bool ok = false;
    const float number = text.trimmed().toFloat(&ok);
    if (!ok)
        return false;
    return setValue(parameters ? parameters->convertTo(number, m_def, false) : number);
}
