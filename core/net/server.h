#ifndef SERVER_H
#define SERVER_H

#include "connectionthreads.h"

#include <QTcpServer>

class QThread;
class Parameters;
class SpiDriver;
class TcpAcceptor;

// The service server on TCP port 5321. Each accepted connection gets a
// SocketServer in a thread of its own. Deleting the server closes every
// connection and joins its thread before it returns, so no connection
// touches the store or the driver once the server is gone.
class TcpServer : public QTcpServer
{
    Q_OBJECT
public:
    // More clients than this are turned away, so they cannot exhaust the
    // station's threads and memory.
    static constexpr int MaxConnections = 8;

    // Listens at once. The connections serve the store given; the driver's
    // values, events and archives reach them when one is given (it may be null).
    TcpServer(Parameters* parameters, SpiDriver* driver, QObject* parent = nullptr, quint16 port = 5321);
    ~TcpServer() override;

    // Connections whose threads still run.
    int connectionCount() const;

public slots:
    // Stops listening, closes every connection and joins its thread.
    void slotStop();

protected:
    void incomingConnection(qintptr handle) override;

private:
    Parameters* m_parameters;
    SpiDriver* m_driver;
    // Takes the connections, also through a shortage of descriptors.
    TcpAcceptor* m_acceptor;
    // Threads live in the server's thread; each deletes itself once finished.
    ConnectionThreads m_threads{MaxConnections};
};

#endif // SERVER_H
