#include "baseaddreditwidget.h"

#include "common.h"
#include "lineedit.h"
#include "parameters.h"
#include "rawbits.h"
#include "saturate.h"

#include <QStringList>

namespace {

const quint32 DateTimeQuantity = 1;

// An octet passes its own parameter's range.
bool inRange(const ParameterDef* def, float value)
{
    return def && Common::checkRange(value, def->min.load(), def->max.load(), def->scale());
}

} // namespace

BaseAddrEditWidget::BaseAddrEditWidget(unsigned short id1, unsigned short id2, unsigned short id3,
                                       unsigned short id4, int index, QWidget* parent)
    : BaseMultiParamEditWidget(QVector<quint16>{id1, id2, id3, id4}, index, parent)
{
    lineEdit()->setClear(false);
}

void BaseAddrEditWidget::showValue(Parameters& parameters)
{
    // A copy: the stored definition keeps its own quantity.
    if (const ParameterDef* def = definition(0)) {
        m_fieldDef.id = def->id;
        m_fieldDef.access = def->access;
        m_fieldDef.operation = def->operation;
        m_fieldDef.physic.store(DateTimeQuantity);
        m_fieldDef.min.store(def->min.load());
        m_fieldDef.max.store(def->max.load());
        m_fieldDef.validity.store(def->validity.load());
        m_fieldDef.unitOut.store(def->unitOut.load());
        m_fieldDef.value.store(def->value.load());
        m_fieldDef.mask = def->mask;
        m_fieldDef.discret = def->discret;
        lineEdit()->init(&m_fieldDef);
    }
    lineEdit()->setInputMask(QStringLiteral("000.000.000.000;0"));
    QStringList octets;
    for (quint16 id : ids()) {
        // An octet never reported shows the mask's fill.
        const int octet = parameters.getValidity(id) ? saturatingInt(parameters.get(id)) : 0;
        octets.append(QStringLiteral("%1").arg(octet, OctetPlaces, 10, QLatin1Char('0')));
    }
    lineEdit()->setText(octets.join(QLatin1Char('.')));
}

bool BaseAddrEditWidget::commitEntry(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != ids().size())
        return false;
    QVector<float> values;
    for (int i = 0; i < parts.size(); ++i) {
        const int place = i * (OctetPlaces + 1);
        // What the field shows is written, typed or not: the first digit
        // takes the whole selected text away, and the octets it leaves show
        // the mask's fill. Only an octet never reported and not typed, whose
        // fill is no value, refuses the entry, as one out of its range does;
        // either leaves the whole address as it was.
        bool ok = lineEdit()->isTypedWithin(place, place + OctetPlaces) || isReceived(i);
        const float value = ok ? parts.at(i).toFloat(&ok) : 0.0f;
        if (!ok || !inRange(definition(i), value))
            return false;
        values.append(value);
    }
    for (int i = 0; i < ids().size(); ++i)
        emit signalParamWrite(ids().at(i), bitsFromFloat(values.at(i)));
    return true;
}

bool BaseAddrEditWidget::keepStoredValue()
{
    if (!BaseMultiParamEditWidget::keepStoredValue())
        return false;
    for (int i = 0; i < ids().size(); ++i) {
        const ParameterDef* def = definition(i);
        if (!inRange(def, def ? def->valueFloat() : 0.0f))
            return false;
    }
    return true;
}
