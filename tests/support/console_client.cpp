#include "console_client.h"

#include "wait_for.h"

#include <QDebug>
#include <QHostAddress>

const QByteArray ConsoleClient::Help = "[I] Use close for close session.\n"
                                       "[I] Use set param_id param_value for send register over SPI.\n"
                                       "[I] Use setb param_id param_value for update register at bank.\n"
                                       "[I] Use get param_id for get reg value\n";

bool ConsoleClient::connectTo(quint16 port)
{
    m_socket.connectToHost(QHostAddress::LocalHost, port);
    if (!m_socket.waitForConnected(5000))
        return false;
    const QByteArray help = readBytes(Help.size());
    if (help != Help)
        qWarning() << "help text:" << help;
    return help == Help;
}

void ConsoleClient::send(const QByteArray& bytes)
{
    m_socket.write(bytes);
    m_socket.flush();
}

QByteArray ConsoleClient::readLine(int timeoutMs)
{
    waitFor([this] { return received().contains('\n'); }, timeoutMs);
    const int lf = m_in.indexOf('\n');
    if (lf < 0)
        return QByteArray();
    const QByteArray line = m_in.left(lf + 1);
    m_in.remove(0, lf + 1);
    return line;
}

QByteArray ConsoleClient::readBytes(int n, int timeoutMs)
{
    waitFor([&] { return received().size() >= n; }, timeoutMs);
    const QByteArray bytes = m_in.left(n);
    m_in.remove(0, bytes.size());
    return bytes;
}

const QByteArray& ConsoleClient::received()
{
    m_in += m_socket.readAll();
    return m_in;
}
