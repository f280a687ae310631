#ifndef ECHO_CONTROLLER_H
#define ECHO_CONTROLLER_H

#include "parameters.h"

#include <QList>
#include <QObject>

// A controller that takes every write of the store and reports it straight
// back as the parameter's new value, as the real one does on its next reply.
// It keeps the writes, oldest first, for tests that check what was sent.
class EchoController
{
public:
    struct Write
    {
        quint16 id;
        quint32 value;
        int flag;
    };

    explicit EchoController(Parameters* store)
    {
        m_connection = QObject::connect(store, &Parameters::signalParamWrite,
                                        [this, store](quint16 id, quint32 value, int flag) {
                                            m_writes.append(Write{id, value, flag});
                                            store->slotParamUpdated(id, value, Parameters::KindValue);
                                        });
    }
    ~EchoController() { QObject::disconnect(m_connection); }
    EchoController(const EchoController&) = delete;
    EchoController& operator=(const EchoController&) = delete;

    const QList<Write>& writes() const { return m_writes; }
    void clearWrites() { m_writes.clear(); }
    // The writes of one parameter, oldest first.
    QList<Write> writesOf(quint16 id) const
    {
        QList<Write> found;
        for (const Write& w : m_writes)
            if (w.id == id)
                found.append(w);
        return found;
    }

private:
    QMetaObject::Connection m_connection;
    QList<Write> m_writes;
};

#endif // ECHO_CONTROLLER_H
