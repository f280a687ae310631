#include "network_applier.h"
#include "parameters.h"
#include "systemcommands.h"

#include <QDebug>
#include <QHostAddress>
#include <cmath>

namespace {

// ifconfig and route end at once; one that hangs must not hold the network
// settings for good.
constexpr int CommandTimeoutMs = 10000;

QString dotted(quint32 address)
{
    return QHostAddress(address).toString();
}

int prefixLength(quint32 mask)
{
    return static_cast<int>(qPopulationCount(mask));
}

// Why a net mask cannot be the station's; empty when it can be. A zero mask
// puts the whole Internet on the link, a full one leaves the station alone on
// its network with no gateway it could reach.
QString maskFault(quint32 mask)
{
    if (mask == 0)
        return QStringLiteral("is zero");
    const quint32 hosts = ~mask;
    if ((hosts & (hosts + 1)) != 0)
        return QStringLiteral("is not contiguous");
    if (mask == 0xFFFFFFFFu)
        return QStringLiteral("leaves no other host on the network");
    return QString();
}

// Why an address cannot be a station's own or its gateway on a network of
// this mask; empty when it can be.
QString hostFault(quint32 address, quint32 mask)
{
    const quint32 first = address >> 24;
    if (address == 0)
        return QStringLiteral("is the unspecified address");
    if (address == 0xFFFFFFFFu)
        return QStringLiteral("is the broadcast address");
    if (first == 0)
        return QStringLiteral("names no host (0.0.0.0/8)");
    if (first == 127)
        return QStringLiteral("is a loopback address");
    if (first >= 224 && first < 240)
        return QStringLiteral("is a multicast address");
    if (first >= 240)
        return QStringLiteral("is a reserved address");
    // On a network of two addresses (/31) both are hosts; on any larger one
    // the first names the network and the last is its broadcast.
    const quint32 hosts = ~mask;
    if (hosts > 1) {
        if ((address & hosts) == 0)
            return QString("is the address of its network %1/%2").arg(dotted(address & mask)).arg(prefixLength(mask));
        if ((address & hosts) == hosts)
            return QString("is the broadcast address of its network %1/%2")
                .arg(dotted(address & mask))
                .arg(prefixLength(mask));
    }
    return QString();
}

} // namespace

NetworkApplier::NetworkApplier(Parameters* store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_gather(this)
{
    m_gather.setObjectName(QStringLiteral("networkTimer"));
    m_gather.setSingleShot(true);
    m_gather.setInterval(500);
    connect(&m_gather, &QTimer::timeout, this, &NetworkApplier::slotApply);
}

void NetworkApplier::reported()
{
    if (m_step != Idle)
        m_pending = true;
    else
        m_gather.start();
}

bool NetworkApplier::octets(quint16 first, quint32* address) const
{
    quint32 result = 0;
    for (quint16 id = first; id < first + 4; ++id) {
        const float octet = m_store->get(id);
        if (!m_store->getValidity(id) || !std::isfinite(octet) || octet < 0.0f || octet > 255.0f
            || octet != std::floor(octet))
            return false;
        result = (result << 8) | static_cast<quint32>(octet);
    }
    *address = result;
    return true;
}

void NetworkApplier::slotApply()
{
    if (m_step != Idle) {
        m_pending = true;
        return;
    }
    Setting& s = m_setting;
    s = Setting();
    s.addressValid = octets(864, &s.address) && octets(868, &s.mask);
    s.gatewayValid = octets(2052, &s.gateway);

    if (m_addressKnown && s.addressValid && s.address == m_address && s.mask == m_mask) {
        routeStep(false);
        return;
    }
    // Such a setting would take the station off the plant network until
    // someone mends it at the panel.
    QString refusal;
    if (!s.addressValid) {
        refusal = QStringLiteral("Set Ip-address: address or mask is not a valid IPv4 value, not applied");
    } else if (!maskFault(s.mask).isEmpty()) {
        refusal = QString("Set Ip-address: mask %1 %2, not applied").arg(dotted(s.mask), maskFault(s.mask));
    } else if (!hostFault(s.address, s.mask).isEmpty()) {
        refusal = QString("Set Ip-address: address %1 %2, not applied")
                      .arg(dotted(s.address), hostFault(s.address, s.mask));
    }
    if (!refusal.isEmpty()) {
        qWarning().noquote() << refusal;
        routeStep(false);
        return;
    }
    qDebug() << "Set Ip-address" << dotted(s.address) << dotted(s.mask);
    // Whatever ifconfig does to eth0 it may take the default route with it.
    m_addressKnown = false;
    m_gatewayKnown = false;
    run(SetAddress, QStringLiteral("/sbin/ifconfig"), {"eth0", dotted(s.address), "netmask", dotted(s.mask)});
}

QString NetworkApplier::gatewayFault() const
{
    const Setting& s = m_setting;
    if (!s.gatewayValid)
        return QStringLiteral("address is not a valid IPv4 value");
    // A gateway is only reachable inside the station's own network, so it is
    // judged against the station's address and mask as they stand.
    QString fault;
    if (!s.addressValid || !maskFault(s.mask).isEmpty() || !hostFault(s.address, s.mask).isEmpty())
        fault = QStringLiteral("cannot be judged: the station's address or mask is not usable");
    if (fault.isEmpty())
        fault = hostFault(s.gateway, s.mask);
    if (fault.isEmpty() && (s.gateway & s.mask) != (s.address & s.mask))
        fault = QString("is outside the station's network %1/%2").arg(dotted(s.address & s.mask)).arg(prefixLength(s.mask));
    if (fault.isEmpty() && s.gateway == s.address)
        fault = QStringLiteral("is the station's own address");
    return fault.isEmpty() ? QString() : dotted(s.gateway) + " " + fault;
}

void NetworkApplier::routeStep(bool addressApplied)
{
    const Setting& s = m_setting;
    // An address that did not change leaves the route as it was.
    if (!addressApplied && m_gatewayKnown && s.gatewayValid && s.gateway == m_gateway) {
        end();
        return;
    }
    const QString fault = gatewayFault();
    if (!fault.isEmpty()) {
        // The default route there is, if any, stays.
        qWarning().noquote() << QString("Set Gateway: %1, not applied").arg(fault);
        end();
        return;
    }
    qDebug() << "Set Gateway" << dotted(s.gateway);
    m_gatewayKnown = false;
    // A second "route add default" would leave the old default beside the
    // new one.
    run(RemoveRoute, QStringLiteral("/sbin/route"), {"del", "default"});
}

void NetworkApplier::run(Step step, const QString& program, const QStringList& arguments)
{
    m_step = step;
    m_job = SystemCommands::start(program, arguments, CommandTimeoutMs, this);
    connect(m_job, &SystemCommandJob::signalFinished, this, &NetworkApplier::slotStepFinished);
}

void NetworkApplier::slotStepFinished(int exitCode, const QString& error)
{
    SystemCommandJob* job = m_job;
    const QString command = job ? job->call().text() : QString();
    if (job)
        job->deleteLater();
    m_job = nullptr;
    const bool ok = error.isEmpty() && exitCode == 0;
    const Step step = m_step;
    if (!ok)
        logFailure(step, command, exitCode, error);
    switch (step) {
    case SetAddress:
        if (!ok) {
            // Nothing more on a half-applied network.
            end();
            return;
        }
        m_addressKnown = true;
        m_address = m_setting.address;
        m_mask = m_setting.mask;
        routeStep(true);
        return;
    case RemoveRoute:
        // With no default route to remove, route fails as with any other
        // fault; the new one is wanted all the same.
        run(AddRoute, QStringLiteral("/sbin/route"), {"add", "default", "gw", dotted(m_setting.gateway), "eth0"});
        return;
    case AddRoute:
        if (ok) {
            m_gatewayKnown = true;
            m_gateway = m_setting.gateway;
        }
        end();
        return;
    case Idle:
        return;
    }
}

void NetworkApplier::logFailure(Step step, const QString& what, int exitCode, const QString& error)
{
    quint64 held = 0;
    if (!m_failures.pass(step, &held))
        return;
    const QString how = error.isEmpty() ? QString("failed with exit code %1").arg(exitCode)
                                        : QString("could not be run: %1").arg(error);
    QString line = QString("%1: %2 %3").arg(step == SetAddress ? "Set Ip-address" : "Set Gateway", what, how);
    if (step == SetAddress)
        line += QStringLiteral(", the default route is not set");
    line += LogThrottle::heldText(held);
    if (step == RemoveRoute)
        qDebug().noquote() << line; // there was no default route to remove, as after most address changes
    else
        qWarning().noquote() << line;
}

void NetworkApplier::end()
{
    m_step = Idle;
    if (m_pending) {
        m_pending = false;
        m_gather.start();
    }
}
