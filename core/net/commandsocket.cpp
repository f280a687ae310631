#include "commandsocket.h"
#include "parameters.h"
#include "write_backlog.h"

#include <QDebug>
#include <QTcpSocket>
#include <QTimer>
#include <atomic>

namespace {

// Input is taken from the socket in pieces of this size.
constexpr qint64 ReadChunk = 4096;

// The answer to a "set" dropped because the link takes no writes.
const char NotQueued[] = "[E] Not added to queue, the SPI link takes no writes\n";

std::atomic<int> liveConnections{0};

} // namespace

CommandSocket::CommandSocket(qintptr socketDescriptor, Parameters* parameters, int idleMs)
    : QObject(nullptr)
    , m_socketDescriptor(socketDescriptor)
    , m_parameters(parameters)
    , m_idleMs(idleMs)
{
    ++liveConnections;
}

CommandSocket::~CommandSocket()
{
    --liveConnections;
}

int CommandSocket::liveCount()
{
    return liveConnections.load();
}

void CommandSocket::process()
{
    m_socket = new QTcpSocket(this);
    if (!m_socket->setSocketDescriptor(m_socketDescriptor)) {
        qDebug().nospace().noquote() << "[E] CS[" << m_socketDescriptor << "]: " << m_socket->errorString();
        emit finished();
        return;
    }
    m_socket->setReadBufferSize(ReadBufferSize);
    m_idle = new QTimer(this);
    m_idle->setSingleShot(true);
    connect(m_idle, &QTimer::timeout, this, &CommandSocket::slotIdle);
    m_holdTimer = new QTimer(this);
    m_holdTimer->setSingleShot(true);
    connect(m_holdTimer, &QTimer::timeout, this, &CommandSocket::slotReadyRead);

    connect(m_socket, &QTcpSocket::readyRead, this, &CommandSocket::slotReadyRead);
    // Lines held back by a full output resume as the output drains.
    connect(m_socket, &QTcpSocket::bytesWritten, this, &CommandSocket::slotReadyRead);
    connect(m_socket, &QTcpSocket::disconnected, this, &CommandSocket::disconnected);
    if (m_parameters) {
        // The store lives in the GUI thread. Its writes are counted on their
        // way there (Qt's queue of posted calls has no cap) and then, by the
        // SPI driver, on their way to the link; the values it only stores
        // are counted on their way there.
        m_toStore.connect(this, &CommandSocket::signalParamWrite, m_parameters,
                          static_cast<int (Parameters::*)(quint16, float, int)>(&Parameters::set));
        m_updatesToStore.connect(this, &CommandSocket::signalParamUpdated, m_parameters, &Parameters::slotParamUpdated);
    }
    send(QByteArray(ConsoleLineParser::HelpText));
    qDebug().nospace() << "[I] CS[" << m_socketDescriptor << "]: Client connected";
    slotReadyRead();
}

void CommandSocket::quit()
{
    if (m_socket)
        m_socket->close();
}

void CommandSocket::disconnected()
{
    qDebug().nospace() << "[I] CS[" << m_socketDescriptor << "]: Client disconnected";
    emit finished();
}

bool CommandSocket::isOpen() const
{
    return m_socket && !m_closing && m_socket->state() == QAbstractSocket::ConnectedState;
}

void CommandSocket::slotReadyRead()
{
    QByteArray line;
    bool received = false;
    while (isOpen() && m_socket->bytesToWrite() <= SoftBacklog) {
        if (!m_holding) {
            if (!m_parser.nextLine(&line)) {
                if (m_socket->bytesAvailable() <= 0)
                    break;
                m_parser.append(m_socket->read(ReadChunk));
                received = true;
                continue;
            }
            takeLine(line);
        }
        if (m_held.action == ConsoleLineParser::Action::Set && writesFull()) {
            if (!m_holdClock.isValid())
                m_holdClock.start();
            if (!writesStalled()) {
                // Nothing more is read meanwhile: the socket's input fills
                // up and TCP makes the client wait.
                m_holdTimer->start(HoldRetryMs);
                break;
            }
            // The link is stuck: the write is dropped, and the client told so
            // rather than that it was queued; the log tells too. The clock
            // goes on, so the writes after it are dropped at once while the
            // link stays stuck.
            m_held.action = ConsoleLineParser::Action::None;
            m_held.answer = NotQueued;
            quint64 held = 0;
            if (m_drops.pass(&held))
                qDebug().noquote() << QString("[E] CS[%1]: the SPI link takes no writes, set %2 dropped%3")
                                          .arg(m_socketDescriptor)
                                          .arg(m_held.id)
                                          .arg(LogThrottle::heldText(held));
        } else if (m_held.action == ConsoleLineParser::Action::Set) {
            m_holdClock.invalidate();
        } else if (m_held.action == ConsoleLineParser::Action::SetBank && updatesFull()) {
            // The store's thread is the program's own: it takes them as soon
            // as it runs, so the line waits for it, as long as the client stays.
            m_holdTimer->start(HoldRetryMs);
            break;
        }
        m_holding = false;
        handleCommand(m_held);
    }
    if (received && isOpen() && m_parser.hasFragment())
        m_idle->start(m_idleMs);
    const int dropped = m_parser.takeDroppedLines();
    if (dropped > 0)
        qDebug().noquote() << QString("[E] CS[%1]: %2 line(s) longer than %3 bytes dropped")
                                  .arg(m_socketDescriptor)
                                  .arg(dropped)
                                  .arg(ConsoleLineParser::MaxLine);
}

void CommandSocket::slotIdle()
{
    if (!isOpen())
        return;
    // Bytes still in the socket, or lines held back by a full output, a full
    // write backlog or a store behind: the client has not been quiet, its
    // lines were only waiting.
    if (m_socket->bytesAvailable() > 0 || m_parser.hasLine() || m_holding) {
        slotReadyRead();
        if (m_parser.hasFragment())
            m_idle->start(m_idleMs);
        return;
    }
    QByteArray line;
    if (m_parser.takeFragment(&line)) {
        takeLine(line);
        slotReadyRead();
    }
}

bool CommandSocket::writesFull() const
{
    return WriteBacklog::isFullWith(m_writeBacklog.get(), m_toStore.count());
}

bool CommandSocket::writesStalled() const
{
    return m_writeBacklog && m_writeBacklog->isStalled(m_holdClock.elapsed());
}

bool CommandSocket::updatesFull() const
{
    return m_updatesToStore.count() >= MaxUpdatesToStore;
}

void CommandSocket::takeLine(const QByteArray& line)
{
    m_held = ConsoleLineParser::interpret(line);
    m_holding = true;
}

void CommandSocket::handleCommand(ConsoleLineParser::Command command)
{
    switch (command.action) {
    case ConsoleLineParser::Action::Close:
        send(command.answer);
        // Closing sends what is still waiting first.
        m_closing = true;
        m_socket->close();
        return;
    case ConsoleLineParser::Action::Get:
        command.answer = ConsoleLineParser::getAnswer(command.id, m_parameters ? m_parameters->get(command.id) : 0.0f);
        break;
    case ConsoleLineParser::Action::Set:
        emit signalParamWrite(command.id, command.value, 3);
        break;
    case ConsoleLineParser::Action::SetBank:
        // The program's copy takes the value as if the controller had
        // reported it; nothing goes to the controller.
        emit signalParamUpdated(command.id, command.raw, Parameters::KindValue);
        break;
    case ConsoleLineParser::Action::None:
        break;
    }
    send(command.answer);
}

void CommandSocket::send(const QByteArray& answer)
{
    if (answer.isEmpty() || !isOpen())
        return;
    m_socket->write(answer);
    const qint64 backlog = m_socket->bytesToWrite();
    if (backlog > HardBacklog) {
        qDebug().noquote()
            << QString("[E] CS[%1]: client does not read, %2 bytes waiting; disconnected").arg(m_socketDescriptor).arg(backlog);
        m_socket->abort();
    }
}
