#include "parameters.h"
#include "parametershandler.h"
#include "rawbits.h"
#include "saturate.h"
#include "unit_texts.h"
#include "units.h"

#include <QDebug>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

Parameters::Parameters(QObject* parent)
    : QObject(parent)
{
    init();
    m_handler = new ParametersHandler(this);
    connect(this, qOverload<quint16, quint8>(&Parameters::signalParamUpdated), m_handler,
            &ParametersHandler::slotParamUpdated, Qt::QueuedConnection);
    connect(m_handler, &ParametersHandler::signalSyncAllParams, this, &Parameters::syncAllParams);
}

Parameters::~Parameters()
{
    qDeleteAll(m_params);
}

void Parameters::init()
{
    QSqlQuery query;
    query.setForwardOnly(true);
    if (query.exec("SELECT id, access, operation, physic, unitOut, mask, discret FROM parameters")) {
        while (query.next()) {
            const int rawId = query.value(0).toInt();
            if (rawId < 0 || rawId > 0xFFFF) {
                qWarning() << "Parameter id out of range in the database:" << rawId;
                continue;
            }
            const quint16 id = static_cast<quint16>(rawId);
            if (m_params.contains(id))
                continue;
            auto* def = new ParameterDef;
            def->id = id;
            def->access = static_cast<quint8>(query.value(1).toUInt());
            def->operation = static_cast<quint8>(query.value(2).toUInt());
            def->physic = query.value(3).toUInt();
            def->unitOut.store(static_cast<quint8>(query.value(4).toUInt()));
            def->mask = query.value(5).toString();
            def->discret = query.value(6).toInt();
            m_params.insert(id, def);
            m_ids.append(id);
        }
    }
    std::sort(m_ids.begin(), m_ids.end());
    qDebug() << "Number of parameters:" << m_params.size();
}

// --- reads -------------------------------------------------------------------

ParameterDef* Parameters::getParameter(quint16 id) const
{
    const auto it = m_params.constFind(id);
    return it == m_params.constEnd() ? nullptr : it.value();
}

float Parameters::get(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->valueFloat() : 0.0f;
}

quint32 Parameters::getU32(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->value.load() : 0u;
}

float Parameters::getMin(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->min.load() : 0.0f;
}

float Parameters::getMax(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->max.load() : 0.0f;
}

// The field reads below are meant for stored ids; an unknown id reads as zero
// rather than dereferencing nothing.
quint32 Parameters::getData(quint16 id) const
{
    return getU32(id);
}

quint8 Parameters::getAccess(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->access : 0;
}

quint8 Parameters::getOperation(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->operation : 0;
}

quint32 Parameters::getPhysic(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->physic.load() : 0u;
}

quint8 Parameters::getValidity(quint16 id) const
{
    const ParameterDef* def = getParameter(id);
    return def ? def->validity.load() : 0;
}

// --- units ---------------------------------------------------------------------

quint8 Parameters::userUnit(quint32 physic, quint8 unitOut) const
{
    switch (Units::quantity(physic)) {
    case 18: return Units::unitIndexFromValue(get(IdUnitPressure));
    case 19: return Units::unitIndexFromValue(get(IdUnitTemperature));
    case 20: return Units::unitIndexFromValue(get(IdUnitAcceleration));
    case 23: return Units::unitIndexFromValue(get(IdUnitFlow));
    case 32: return Units::unitIndexFromValue(get(IdUnitMotorPower));
    default: return Units::unitIndex(unitOut);
    }
}

// The quantity and the display unit may change meanwhile (a report of the
// quantity, a page giving a unit): each conversion reads them once.
float Parameters::convertFrom(float value, const ParameterDef* def, bool allTime, bool userUnits) const
{
    if (!def)
        return value;
    // The unit tables know the low byte of the code only.
    const quint32 physic = def->physicCode();
    const quint8 unitOut = def->unitOut.load();
    if (!userUnits) {
        const Units::Entry e = Units::entry(physic, unitOut);
        return value * e.scale + e.offset;
    }
    const int q = Units::quantity(physic);
    if (q == 1)
        return value;
    if (q == 2 && unitOut != 1 && unitOut != 2 && !allTime)
        return value;
    const Units::Entry e = Units::entry(physic, userUnit(physic, unitOut));
    return value * e.scale + e.offset;
}

float Parameters::convertTo(float value, const ParameterDef* def, bool allTime) const
{
    if (!def)
        return value;
    const quint32 physic = def->physicCode();
    const quint8 unitOut = def->unitOut.load();
    const int q = Units::quantity(physic);
    if (q == 1)
        return value;
    if (q == 2 && unitOut != 1 && unitOut != 2 && !allTime)
        return value;
    const Units::Entry e = Units::entry(physic, userUnit(physic, unitOut));
    return (value - e.offset) / e.scale;
}

QString Parameters::getTextUnit(const ParameterDef* def) const
{
    if (!def)
        return QString();
    const quint32 physic = def->physicCode();
    return UnitTexts::getTextUnitOfQuantity(Units::quantity(physic), userUnit(physic, def->unitOut.load()));
}

// --- writes ----------------------------------------------------------------------

int Parameters::set(quint16 id, quint32 value, int flag)
{
    emit signalParamWrite(id, value, flag);
    return 0;
}

int Parameters::set(quint16 id, float value, int flag)
{
    return set(id, bitsFromFloat(value), flag);
}

int Parameters::set(quint16 id, int value, int flag)
{
    return set(id, static_cast<float>(value), flag);
}

// --- updates and synchronisation ------------------------------------------------

void Parameters::slotParamUpdated(quint16 id, quint32 value, quint8 cmd)
{
    ParameterDef* def = getParameter(id);
    if (!def)
        return;

    QSet<quint16>* awaited = nullptr;
    switch (cmd) {
    case KindMax:
        def->max = floatFromBits(value);
        awaited = &m_awaitMax;
        break;
    case KindMin:
        def->min = floatFromBits(value);
        awaited = &m_awaitMin;
        break;
    case KindPhysic: {
        const float physic = floatFromBits(value);
        if (std::isnan(physic)) {
            qWarning() << "Physical quantity of parameter" << id << "reported as NaN, kept"
                       << def->physic.load();
        } else {
            def->physic = saturatingUInt(physic);
            // Validity depends on the quantity: a NaN is a valid date-time.
            def->validity = ParameterDef::isValidRaw(def->value.load(), def->physic.load()) ? 1 : 0;
        }
        awaited = &m_awaitPhysic;
        break;
    }
    default:
        def->value = value;
        def->validity = ParameterDef::isValidRaw(value, def->physic.load()) ? 1 : 0;
        awaited = &m_awaitValues;
        break;
    }

    if (!m_syncRunning) {
        emit signalParamUpdated(id, cmd);
        return;
    }

    if (awaited->remove(id) && awaited == &m_awaitValues)
        emit signalSyncCount(m_awaitValues.size());

    if (m_awaitValues.isEmpty() && m_awaitMin.isEmpty() && m_awaitMax.isEmpty() && m_awaitPhysic.isEmpty()) {
        m_syncRunning = false;
        emit signalSyncEnd();
    }
    emit signalParamUpdated(id, cmd);
}

void Parameters::syncAllParams()
{
    if (m_syncRunning)
        return;
    m_syncRunning = true;
    QSet<quint16> all;
    all.reserve(m_ids.size());
    for (quint16 id : qAsConst(m_ids))
        all.insert(id);
    m_awaitValues = all;
    m_awaitMin = all;
    m_awaitMax = all;
    m_awaitPhysic = all;

    emit signalSyncBegin(m_ids.size());

    // With no table (the database failed to open) nothing will ever answer:
    // end at once rather than leave the splash screen up for good.
    if (m_ids.isEmpty()) {
        qWarning() << "Synchronisation without parameters: the database is empty";
        m_syncRunning = false;
        emit signalSyncEnd();
        return;
    }

    for (quint16 id : qAsConst(m_ids)) {
        emit signalParamRead(id);
        emit signalMinRead(id);
        emit signalMaxRead(id);
        emit signalPhysicRead(id);
    }
}
