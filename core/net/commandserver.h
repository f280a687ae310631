#ifndef COMMANDSERVER_H
#define COMMANDSERVER_H

#include "connectionthreads.h"

#include <QTcpServer>
#include <memory>

class QThread;
class Parameters;
class SpiDriver;
class TcpAcceptor;
class WriteBacklog;

// The text console on TCP port 4321. Each accepted connection gets a
// CommandSocket in a thread of its own. Stopping or deleting the server
// closes every connection and joins its thread before it returns, so no
// connection touches the store once the server is gone.
class CommandServer : public QTcpServer
{
    Q_OBJECT
public:
    // More clients than this are turned away, so they cannot exhaust the
    // station's threads and memory.
    static constexpr int MaxConnections = 8;

    // The connections serve the store given; a "set" waits on the write
    // backlog of the SPI driver, when one is given (it may be null).
    CommandServer(Parameters* parameters, SpiDriver* driver, QObject* parent = nullptr, quint16 port = 4321);
    ~CommandServer() override;
    void start();

    // Quiet time after which an unterminated line counts (for new connections).
    void setIdleInterval(int ms) { m_idleMs = ms; }
    // Connections whose threads still run.
    int connectionCount() const;

public slots:
    // Stops listening, closes every connection and joins its thread. The
    // application's store goes before this server does, so it runs when the
    // event loop ends.
    void slotStop();

protected:
    void incomingConnection(qintptr handle) override;

private:
    quint16 m_port;
    Parameters* m_parameters;
    std::shared_ptr<const WriteBacklog> m_writeBacklog;
    int m_idleMs;
    // Takes the connections, also through a shortage of descriptors.
    TcpAcceptor* m_acceptor;
    // Threads live in the server's thread; each deletes itself once finished.
    ConnectionThreads m_threads{MaxConnections};
};

#endif // COMMANDSERVER_H
