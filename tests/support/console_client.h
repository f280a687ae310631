#ifndef CONSOLE_CLIENT_H
#define CONSOLE_CLIENT_H

#include <QByteArray>
#include <QTcpSocket>

// A client of the console server, line by line.
class ConsoleClient
{
public:
    // The four lines the server greets every client with.
    static const QByteArray Help;

    // Connects and takes the help text; false if it is not the expected one.
    bool connectTo(quint16 port);
    void send(const QByteArray& bytes);
    // Waits for the next answer line (empty on time-out).
    QByteArray readLine(int timeoutMs = 30000);
    QByteArray readBytes(int n, int timeoutMs = 30000);
    QByteArray ask(const QByteArray& line)
    {
        send(line);
        return readLine();
    }
    // Everything received and not read yet.
    const QByteArray& received();
    QTcpSocket& socket() { return m_socket; }

private:
    QTcpSocket m_socket;
    QByteArray m_in;
};

#endif // CONSOLE_CLIENT_H
