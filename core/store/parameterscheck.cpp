#include "parameterscheck.h"
#include "parameters.h"
#include "rawbits.h"
#include "saturate.h"

#include <QDebug>

const quint16 ParametersCheck::generalIdList[generalIdListSize] = {10015, 10016, 10017, 10018, 10019, 10020, 32,   35,
                                                  773,   721,   38,    696,   697,   10283, 1051, 10024,
                                                  33,    698,   1213,  1172,  1173,  1339,  1176, 1174};
const quint16 ParametersCheck::filterIdList[filterIdListSize] = {695, 714, 1340};

ParametersCheck::ParametersCheck(Parameters* store, QObject* parent)
    : QObject(parent)
    , m_store(store)
{
    for (quint16 id : generalIdList) {
        auto* def = new ParameterCheckDef;
        def->value = m_store->getData(id);
        def->confirmed = def->value != 0;
        m_general.insert(id, def);
    }
    for (quint16 id : filterIdList) {
        auto* def = new ParameterCheckDef;
        def->value = m_store->getData(id);
        def->confirmed = def->value != 0;
        m_filter.insert(id, def);
    }
    if (!isConfirmed() || m_store->get(1418) == 0.0f)
        resetConfirm();

    connect(m_store, SIGNAL(signalParamUpdated(quint16)), this, SLOT(slotParamUpdated(quint16)));
    m_timer.setSingleShot(true);
    m_timer.setInterval(EditingWindowMs);
}

ParametersCheck::~ParametersCheck()
{
    qDeleteAll(m_general);
    qDeleteAll(m_filter);
    qDebug() << QString("~%1").arg(metaObject()->className());
}

bool ParametersCheck::filterOn() const
{
    return m_store->get(713) != 0.0f;
}

quint16 ParametersCheck::inductanceSource(const Parameters* store)
{
    // A 16-bit choice, read as every screen reads one: its low 16 bits. The
    // check and the settings wizard both read it here, so they always agree
    // on the settings required.
    return static_cast<quint16>(saturatingUInt(store->get(1329)) & 0xFFFFu);
}

bool ParametersCheck::isRequired(quint16 id) const
{
    const quint16 choice = inductanceSource(m_store);
    if (id == 697 && choice == 0)
        return false;
    if (id == 696 && choice == 1)
        return false;
    return true;
}

bool ParametersCheck::isConfirmed()
{
    for (auto it = m_general.cbegin(); it != m_general.cend(); ++it)
        if (isRequired(it.key()) && !it.value()->confirmed)
            return false;
    if (filterOn())
        for (auto it = m_filter.cbegin(); it != m_filter.cend(); ++it)
            if (!it.value()->confirmed)
                return false;
    m_store->set(1418, 1, 1);
    return true;
}

bool ParametersCheck::isConfirmed(quint16 id) const
{
    if (const ParameterCheckDef* def = m_general.value(id))
        return def->confirmed;
    if (const ParameterCheckDef* def = m_filter.value(id))
        return def->confirmed;
    return false;
}

void ParametersCheck::resetConfirm()
{
    for (ParameterCheckDef* def : qAsConst(m_general))
        def->confirmed = false;
    for (ParameterCheckDef* def : qAsConst(m_filter))
        def->confirmed = false;
    m_store->set(1418, 0, 1);
}

void ParametersCheck::slotSetValueParam(quint16 id, quint32 value)
{
    if (value == 0)
        return;
    ParameterCheckDef* def = m_general.value(id, m_filter.value(id));
    if (!def)
        return;
    m_timer.start();
    def->value = value;
    def->confirmed = true;
}

void ParametersCheck::slotParamUpdated(quint16 id)
{
    ParameterCheckDef* def = m_general.value(id);
    if (!def && filterOn())
        def = m_filter.value(id);
    if (!def)
        return;

    // A value on the same step as the last one seen is no change, a step or
    // more away always is; a zero always counts.
    const ParameterDef* param = m_store->getParameter(id);
    const unsigned int scale = param ? param->scale() : 1u;
    const quint32 raw = m_store->getData(id);
    if (saturatingStep(floatFromBits(def->value), scale) == saturatingStep(floatFromBits(raw), scale) && raw != 0)
        return;

    def->value = raw;
    if (m_timer.isActive()) {
        m_timer.start();
        if (raw == 0)
            def->confirmed = false;
    } else {
        m_timer.start();
        resetConfirm();
    }
}
