#ifndef EMULATOR_SERVER_H
#define EMULATOR_SERVER_H

#include "control_protocol.h"

#include <QByteArray>
#include <QObject>
#include <QString>

class ControllerModel;
class QSocketNotifier;

// Serves a ControllerModel on two Unix-domain sockets in the thread's event
// loop: the SPI link (SOCK_SEQPACKET, one program at a time, one message per
// transfer: {u32 speedHz, u32 length, length bytes}, answered by length bytes)
// and the control channel (stream, line commands, any number of clients).
class EmulatorServer : public QObject
{
    Q_OBJECT
public:
    explicit EmulatorServer(ControllerModel* model, QObject* parent = nullptr);
    ~EmulatorServer() override;

    bool listen(const QString& linkPath, const QString& controlPath, QString* error);
    // Closes every socket and removes the socket files.
    void close();

signals:
    // A control client sent "quit" (its answer handed to its socket).
    void quitRequested();

private slots:
    void acceptLink();
    void serveLink();
    void acceptControl();

private:
    void dropLink();

    ControllerModel* m_model;
    ControlProtocol m_protocol;
    QString m_linkPath;
    QString m_controlPath;
    int m_listenFd = -1;
    int m_linkFd = -1;
    int m_controlFd = -1;
    QSocketNotifier* m_listenNotifier = nullptr;
    QSocketNotifier* m_controlNotifier = nullptr;
    QSocketNotifier* m_linkNotifier = nullptr;
    QByteArray m_message;
    QByteArray m_reply;
};

#endif // EMULATOR_SERVER_H
