#ifndef NETWORK_APPLIER_H
#define NETWORK_APPLIER_H

#include "log_throttle.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

class Parameters;
class SystemCommandJob;

// Applies the station's address and mask (864-871) and its gateway
// (2052-2055) to eth0 as one setting. The kernel drops the default route
// when the address or mask changes, and "route add" beside an old default
// adds a second one; so the address goes first and the default route is
// replaced only once ifconfig has ended well, and a changed address is always
// followed by the route. Reports are gathered for 500 ms; one change runs at
// a time, and reports that come while it runs are applied after it.
class NetworkApplier : public QObject
{
    Q_OBJECT
public:
    explicit NetworkApplier(Parameters* store, QObject* parent = nullptr);

    // An octet of the address, the mask or the gateway was reported.
    void reported();

private slots:
    void slotApply();
    void slotStepFinished(int exitCode, const QString& error);

private:
    enum Step { Idle, SetAddress, RemoveRoute, AddRoute };
    // The stored values when the gathering ended.
    struct Setting
    {
        bool addressValid = false;
        quint32 address = 0;
        quint32 mask = 0;
        bool gatewayValid = false;
        quint32 gateway = 0;
    };

    void routeStep(bool addressApplied);
    void run(Step step, const QString& program, const QStringList& arguments);
    void end();
    // Why the gateway cannot be applied with the address and mask beside it;
    // empty when it can.
    QString gatewayFault() const;
    void logFailure(Step step, const QString& what, int exitCode, const QString& error);
    // The address held by four octet parameters, first octet highest; false
    // when any is not a finite integer 0..255, so no command is ever built
    // from a bad value.
    bool octets(quint16 first, quint32* address) const;

    Parameters* m_store;
    QTimer m_gather;
    QPointer<SystemCommandJob> m_job;
    Step m_step = Idle;
    // Reports came while a change ran: gather them once it has ended.
    bool m_pending = false;
    Setting m_setting;
    // What eth0 holds from this program. Known only once the command that
    // set it has ended with exit code 0, and forgotten when a command that
    // touches it fails, so the next report tries again.
    bool m_addressKnown = false;
    quint32 m_address = 0;
    quint32 m_mask = 0;
    bool m_gatewayKnown = false;
    quint32 m_gateway = 0;
    LogThrottle m_failures;
};

#endif // NETWORK_APPLIER_H
