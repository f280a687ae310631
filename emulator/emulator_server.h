#ifndef EMULATOR_SERVER_H
#define EMULATOR_SERVER_H

#include "control_protocol.h"
#include "log_throttle.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>

class ControllerModel;
class QSocketNotifier;

// Serves a ControllerModel on two Unix-domain sockets in the thread's event
// loop: the SPI link (SOCK_SEQPACKET, one program at a time, one message per
// transfer: {u32 speedHz, u32 length, length bytes}, answered by length bytes)
// and the control channel (stream, line commands, up to MaxControlClients
// clients at once).
class EmulatorServer : public QObject
{
    Q_OBJECT
public:
    // Control clients at once; the next is answered "error: too many control
    // clients" and closed.
    static constexpr int MaxControlClients = 64;
    // A failed accept (out of descriptors, say) pauses accepting this long:
    // the listening socket stays readable while the shortage lasts.
    static constexpr int AcceptRetryMs = 250;
    // After "quit", the longest wait for the clients to take the answers to
    // the lines they sent before it.
    static constexpr int QuitWaitMs = 2000;

    explicit EmulatorServer(ControllerModel* model, QObject* parent = nullptr);
    ~EmulatorServer() override;

    bool listen(const QString& linkPath, const QString& controlPath, QString* error);
    // Closes every socket and removes the socket files.
    void close();

signals:
    // A control client sent "quit", and every control client has taken its
    // answers or QuitWaitMs have passed.
    void quitRequested();

private slots:
    void acceptLink();
    void serveLink();
    void acceptControl();
    void slotControlQuit();
    void slotControlClosed();
    void slotRetryAccept();
    void slotQuitNow();

private:
    void dropLink();
    // A connection from the listening socket, or -1; on a failure other than
    // an empty or aborted backlog, notifier rests for AcceptRetryMs.
    int acceptFrom(int listenFd, int flags, QSocketNotifier* notifier);

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
    int m_controlClients = 0;
    bool m_quitting = false;
    bool m_quitSent = false;
    QTimer m_acceptRetry;
    QTimer m_quitWait;
    LogThrottle m_log;
    // For the lines on dropped clients, which the clients log.
    LogThrottle m_clientLog;
};

#endif // EMULATOR_SERVER_H
