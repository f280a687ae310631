#include "control_connection.h"
#include "control_protocol.h"
#include "log_throttle.h"

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
// Answers wait in blocks of up to this size (an answer longer than a block is
// a block of its own, allocated to its size). A block starts at the size of
// its first answer and doubles as answers join it, up to this size: a client
// that reads its answers costs a few bytes a command, one that does not costs
// what is unread and at most a block more, where one growing buffer would
// hold up to twice as much, and briefly more again at each reallocation.
const int OutputBlock = 64 * 1024;

// The kinds of line on dropped clients.
enum DropKind { DropUnread, DropEndless };

} // namespace

ControlConnection::ControlConnection(int fd, ControlProtocol* protocol, LogThrottle* log, QObject* parent)
    : QObject(parent)
    , m_fd(fd)
    , m_protocol(protocol)
    , m_log(log)
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

void ControlConnection::endInput()
{
    if (m_fd < 0)
        return;
    m_inputEnded = true;
    m_readNotifier->setEnabled(false);
    slotWritable();
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
    for (int end; !m_protocol->quitRequested() && (end = m_input.indexOf('\n', start)) >= 0; start = end + 1) {
        execute(m_input.mid(start, end + 1 - start));
        if (!withinCap())
            return;
    }
    m_input.remove(0, start);
    if (m_input.size() > MaxLineBytes && !m_protocol->quitRequested()) {
        quint64 held = 0;
        if (m_log->pass(DropEndless, &held))
            qWarning().noquote() << "controller_emu: dropped a control client that sent more than" << MaxLineBytes
                                 << "bytes without a line's end" + LogThrottle::heldText(held);
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
    const QStringList lines = m_protocol->execute(QString::fromUtf8(line));
    if (lines.isEmpty())
        return;
    const QByteArray answer = (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    m_unread += answer.size();
    if (m_output.empty() || m_output.back().size() + answer.size() > OutputBlock)
        m_output.emplace_back();
    QByteArray& block = m_output.back();
    const int needed = block.size() + answer.size();
    // Reserved capacity is exact; the growth of append is not, and could
    // pass the block's size.
    if (needed > block.capacity())
        block.reserve(needed > OutputBlock ? needed : qMin(OutputBlock, qMax(needed, 2 * block.capacity())));
    block += answer;
}

bool ControlConnection::withinCap()
{
    if (m_unread <= MaxUnreadAnswerBytes)
        return true;
    // What the socket takes at once is no longer the emulator's to hold.
    const bool here = writeAnswers();
    if (here && m_unread <= MaxUnreadAnswerBytes)
        return true;
    quint64 held = 0;
    if (here && m_log->pass(DropUnread, &held))
        qWarning().noquote() << "controller_emu: dropped a control client that left more than" << MaxUnreadAnswerBytes
                             << "bytes of answers unread" + LogThrottle::heldText(held);
    finish();
    return false;
}

void ControlConnection::slotWritable()
{
    if (m_fd < 0)
        return;
    if (!writeAnswers()) {
        finish();
        return;
    }
    if (m_unread == 0 && m_inputEnded) {
        finish();
        return;
    }
    m_writeNotifier->setEnabled(m_unread > 0);
}

bool ControlConnection::writeAnswers()
{
    while (m_fd >= 0 && !m_output.empty()) {
        const QByteArray& block = m_output.front();
        const ssize_t n = ::send(m_fd, block.constData() + m_written, size_t(block.size() - m_written),
                                 MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n > 0) {
            m_unread -= int(n);
            m_written += int(n);
            if (m_written == block.size()) {
                m_output.pop_front();
                m_written = 0;
            }
        } else if (n == 0 || errno != EINTR) {
            return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
        }
    }
    return true;
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
    emit signalClosed();
}
