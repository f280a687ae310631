#ifndef CONSOLE_CLIENT_H
#define CONSOLE_CLIENT_H

#include "wait_for.h"

#include <QHostAddress>
#include <QTcpSocket>

// A client of the console server, line by line.
class ConsoleClient
{
public:
    // Connects and takes the help text the server greets every client with.
    bool connectTo(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        return m_socket.waitForConnected(5000) && readLine() == "[I] Use close for close session.\n"
               && readLine() == "[I] Use set param_id param_value for send register over SPI.\n"
               && readLine() == "[I] Use setb param_id param_value for update register at bank.\n"
               && readLine() == "[I] Use get param_id for get reg value\n";
    }
    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }
    // The next answer line (empty on time-out).
    QByteArray readLine()
    {
        waitFor([this] { return received().contains('\n'); }, 10000);
        const QByteArray line = m_in.left(m_in.indexOf('\n') + 1);
        m_in.remove(0, line.size());
        return line;
    }
    QByteArray ask(const QByteArray& line)
    {
        send(line);
        return readLine();
    }
    // Everything received and not read yet.
    const QByteArray& received() { return m_in += m_socket.readAll(); }
    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    QByteArray m_in;
};

#endif // CONSOLE_CLIENT_H
