#include "control_connection.h"
#include "control_protocol.h"

#include <QDebug>
#include <QSocketNotifier>
#include <QStringList>
#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Read at a time: a client sending without pause still lets the event loop
// serve the link and the other clients in between.
const int ReadChunk = 64 * 1024;

} // namespace

ControlConnection::ControlConnection(int fd, ControlProtocol* protocol, QObject* parent)
    : QObject(parent)
    , m_fd(fd)
    , m_protocol(protocol)
    , m_readNotifier(new QSocketNotifier(fd, QSocketNotifier::Read, this))
    , m_writeNotifier(new QSocketNotifier(fd, QSocketNotifier::Write, this))
{
    m_writeNotifier->setEnabled(false);
    connect(m_readNotifier, &QSocketNotifier::activated, this, &ControlConnection::slotReadable);
    connect(m_writeNotifier, &QSocketNotifier::activated, this, &ControlConnection::slotWritable);
}

ControlConnection::~ControlConnection()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

void ControlConnection::closeNow()
{
    writeAnswers();
    finish();
}

void ControlConnection::slotReadable()
{
    const int kept = m_input.size();
    m_input.resize(kept + ReadChunk);
    ssize_t n;
    do {
        n = ::recv(m_fd, m_input.data() + kept, ReadChunk, 0);
    } while (n < 0 && errno == EINTR);
    m_input.resize(kept + (n > 0 ? int(n) : 0));
    if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK))
        return;
    if (n <= 0) {
        // The client closed its sending side (or is gone): what it sent is
        // answered, and the connection ends once the answers are taken. A
        // last line without its end is not a command.
        m_inputEnded = true;
        m_readNotifier->setEnabled(false);
    }
    int start = 0;
    for (int end; !m_protocol->quitRequested() && (end = m_input.indexOf('\n', start)) >= 0; start = end + 1)
        execute(m_input.mid(start, end + 1 - start));
    m_input.remove(0, start);
    if (m_input.size() > MaxLineBytes && !m_protocol->quitRequested()) {
        qWarning().noquote() << "controller_emu: dropped a control client that sent more than" << MaxLineBytes
                             << "bytes without a line's end";
        writeAnswers();
        finish();
        return;
    }
    if (m_protocol->quitRequested()) {
        // Nothing after "quit" is served.
        m_inputEnded = true;
        m_readNotifier->setEnabled(false);
    }
    slotWritable();
    if (m_protocol->quitRequested())
        emit signalQuitRequested();
}

void ControlConnection::execute(const QByteArray& line)
{
    const QStringList answer = m_protocol->execute(QString::fromUtf8(line));
    if (!answer.isEmpty())
        m_output += (answer.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
}

void ControlConnection::slotWritable()
{
    if (m_fd < 0)
        return;
    if (!writeAnswers()) {
        finish();
        return;
    }
    const int unread = m_output.size() - m_written;
    if (unread > MaxUnreadAnswerBytes) {
        qWarning().noquote() << "controller_emu: dropped a control client that left more than"
                             << MaxUnreadAnswerBytes << "bytes of answers unread";
        finish();
        return;
    }
    if (unread == 0 && m_inputEnded) {
        finish();
        return;
    }
    m_writeNotifier->setEnabled(unread > 0);
}

bool ControlConnection::writeAnswers()
{
    bool gone = false;
    while (m_fd >= 0 && m_written < m_output.size()) {
        const ssize_t n = ::send(m_fd, m_output.constData() + m_written, size_t(m_output.size() - m_written),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            m_written += int(n);
        } else if (n == 0 || errno != EINTR) {
            gone = !(n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK));
            break;
        }
    }
    // Written answers are let go of, at once when all are, else once they
    // are most of the buffer, so a slow reader costs no copying per write.
    if (m_written == m_output.size()) {
        m_output.clear();
        m_written = 0;
    } else if (m_written > m_output.size() / 2) {
        m_output.remove(0, m_written);
        m_written = 0;
    }
    return !gone;
}

void ControlConnection::finish()
{
    if (m_fd < 0)
        return;
    m_readNotifier->setEnabled(false);
    m_writeNotifier->setEnabled(false);
    ::close(m_fd);
    m_fd = -1;
    deleteLater();
}
