#ifndef NTPCLIENT_H
#define NTPCLIENT_H

#include "ntpreply.h"

#include <QHostAddress>
#include <QObject>

class QUdpSocket;

// Sends SNTP client requests and hands every answer to the application.
class NtpClient : public QObject
{
    Q_OBJECT
public:
    explicit NtpClient(QObject* parent = nullptr);
    NtpClient(const QHostAddress& bindAddress, quint16 bindPort, QObject* parent = nullptr);

    bool sendRequest(const QHostAddress& address, quint16 port);
    // The request as sent for a station clock (UTC).
    static QByteArray requestPacket(const QDateTime& utcNow);

public slots:
    void readPendingDatagrams();

signals:
    void replyReceived(QHostAddress address, quint16 port, NtpReply reply);

private:
    void init(const QHostAddress& bindAddress, quint16 bindPort);
    static QDateTime stationClockUtc();

    QUdpSocket* m_socket = nullptr;
};

#endif // NTPCLIENT_H
