#include "socketserver.h"
#include "parameters.h"
#include "rawbits.h"
#include "spidriver.h"
#include "write_backlog.h"

#include <QDataStream>
#include <QDebug>
#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>

namespace {

// Notes about one client's malformed blocks are logged up to this count: a
// hostile client must not flood the log.
constexpr int MaxNotes = 16;
// Past this much output waiting, it is handed to the system at once, so the
// backlog counts what the client has not taken rather than what the event
// loop has not yet sent.
constexpr qint64 FlushAbove = 64 * 1024;
// Input is taken from the socket in pieces of this size (or the rest of the
// block being received, when larger).
constexpr qint64 ReadChunk = 16 * 1024;

// A reply block, QDataStream version 7 (big-endian): a u16 placeholder for
// the size, the command, the payload; then the size (everything after the
// size field) is written over the placeholder.
template <typename Fill>
QByteArray makeBlock(quint16 command, Fill fill)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint16(0) << command;
    fill(out);
    out.device()->seek(0);
    out << quint16(block.size() - ServiceBlockParser::SizeField);
    return block;
}

} // namespace

SocketServer::SocketServer(qintptr socketDescriptor, Parameters* parameters, SpiDriver* driver)
    : QObject(nullptr)
    , m_socketDescriptor(socketDescriptor)
    , m_parameters(parameters)
    , m_driver(driver)
{
}

SocketServer::~SocketServer()
{
    qDebug().noquote() << QString("~%1").arg(metaObject()->className()) << m_socketDescriptor;
}

void SocketServer::process()
{
    m_socket = new QTcpSocket(this);
    if (!m_socket->setSocketDescriptor(m_socketDescriptor)) {
        qWarning() << "Socket error:" << m_socket->errorString();
        deleteLater();
        return;
    }
    // Bounded input: past this the socket stops reading and TCP makes the
    // client wait.
    m_socket->setReadBufferSize(ReadBufferSize);
    qDebug() << "Socket:" << m_socket->peerName() << m_socket->peerAddress();

    if (m_driver) {
        connect(m_driver, &SpiDriver::signalParamUpdated, this, &SocketServer::slotParamUpdated, Qt::QueuedConnection);
        connect(m_driver, &SpiDriver::signalNewEvent, this, &SocketServer::slotNewEvent, Qt::QueuedConnection);
        connect(m_driver, &SpiDriver::signalLogRead, this, &SocketServer::slotLogRead, Qt::QueuedConnection);
        connect(m_driver, &SpiDriver::signalSpiResiveLogCompress, this,
                &SocketServer::slotSocketServerResiveLogCompress, Qt::QueuedConnection);
        connect(m_driver, &SpiDriver::signalConnectCore, this, &SocketServer::slotConnectCore, Qt::QueuedConnection);

        // Counted on their way (Qt's queue of posted calls has no cap): the
        // client's next request waits while too many are.
        m_driver->connectParamWrite(this, &SocketServer::signalParamWrite);
        m_writeBacklog = m_driver->writeBacklog();
        m_driverRequests.connect(this, &SocketServer::signalLogRead, m_driver, &SpiDriver::slotLogRead);
        m_driverRequests.connect(this, &SocketServer::signalSocketServerRequestLogCompress, m_driver,
                                 &SpiDriver::slotSpiRequestLogCompress);
        m_driverRequests.connect(this, &SocketServer::signalEventRead, m_driver, &SpiDriver::slotEventRead);
    }
    m_holdTimer = new QTimer(this);
    m_holdTimer->setSingleShot(true);
    connect(m_holdTimer, &QTimer::timeout, this, &SocketServer::slotReceivePacket);

    connect(this, &SocketServer::signalParamRead, this, &SocketServer::slotParamRead);
    connect(this, &SocketServer::signalMinRead, this, &SocketServer::slotMinRead);
    connect(this, &SocketServer::signalMaxRead, this, &SocketServer::slotMaxRead);
    connect(this, &SocketServer::signalPhysicRead, this, &SocketServer::slotPhysicRead);

    connect(m_socket, &QTcpSocket::readyRead, this, &SocketServer::slotReceivePacket);
    // Requests held back by a full output resume as the output drains.
    connect(m_socket, &QTcpSocket::bytesWritten, this, &SocketServer::slotReceivePacket);
    connect(m_socket, &QTcpSocket::disconnected, this, &QObject::deleteLater);
    // The name-based form: the signal's name is overloaded by a getter.
    connect(m_socket, SIGNAL(error(QAbstractSocket::SocketError)), this,
            SLOT(slotError(QAbstractSocket::SocketError)));

    slotReceivePacket();
}

bool SocketServer::isOpen() const
{
    return m_socket && m_socket->state() == QAbstractSocket::ConnectedState;
}

qint64 SocketServer::backlog()
{
    if (m_socket->bytesToWrite() > FlushAbove)
        m_socket->flush();
    return m_socket->bytesToWrite();
}

// --- requests --------------------------------------------------------------------------

void SocketServer::slotReceivePacket()
{
    if (m_receiving)
        return;
    m_receiving = true;
    while (isOpen() && backlog() <= SoftBacklog) {
        if (!m_holding) {
            if (!m_parser.next(&m_held)) {
                if (m_socket->bytesAvailable() <= 0)
                    break;
                m_parser.append(m_socket->read(qMax<qint64>(m_parser.missing(), ReadChunk)));
                continue;
            }
            m_holding = true;
        }
        const Admission admitted = admission(m_held);
        if (admitted == Admission::Wait) {
            // Nothing more is read meanwhile: the socket's input fills up and
            // TCP makes the client wait.
            if (!m_holdClock.isValid())
                m_holdClock.start();
            m_holdTimer->start(HoldRetryMs);
            break;
        }
        // The hold, if there was one, ends with its block.
        m_holding = false;
        m_holdClock.invalidate();
        if (admitted == Admission::Drop) {
            m_droppedAtSend = m_writeBacklog->lastSentMs();
            drop(m_held);
        } else {
            handleBlock(m_held);
        }
    }
    m_receiving = false;
}

SocketServer::Admission SocketServer::admission(const ServiceBlockParser::Block& block) const
{
    if (!block.valid)
        return Admission::Go;
    switch (block.command) {
    case ServiceBlockParser::WriteValue:
        return !m_writeBacklog || !m_writeBacklog->isFull() ? Admission::Go : holdOrDrop();
    case ServiceBlockParser::ReadEvents:
    case ServiceBlockParser::ReadArchive:
    case ServiceBlockParser::ReadArchiveCompressed:
        // Past the cap the SPI thread is not taking the calls it is handed.
        return m_driverRequests.count() < MaxRequestsHandedOver ? Admission::Go : holdOrDrop();
    default:
        return Admission::Go;
    }
}

SocketServer::Admission SocketServer::holdOrDrop() const
{
    if (!m_writeBacklog)
        return Admission::Wait;
    // The link has sent nothing since this client last dropped a block for
    // it: it is still stuck, so the next block is dropped at once rather
    // than after a whole stall limit of its own.
    if (m_droppedAtSend >= 0 && m_writeBacklog->lastSentMs() == m_droppedAtSend)
        return Admission::Drop;
    return m_holdClock.isValid() && m_writeBacklog->isStalled(m_holdClock.elapsed()) ? Admission::Drop
                                                                                      : Admission::Wait;
}

void SocketServer::drop(const ServiceBlockParser::Block& block)
{
    quint64 held = 0;
    if (m_drops.pass(&held))
        qWarning().noquote() << QStringLiteral("SocketServer %1: the SPI link takes nothing, request %2 dropped%3")
                                    .arg(m_socketDescriptor)
                                    .arg(block.command)
                                    .arg(LogThrottle::heldText(held));
}

void SocketServer::handleBlock(const ServiceBlockParser::Block& block)
{
    if (!block.note.isEmpty())
        note(block.note);
    if (!block.valid)
        return;

    switch (block.command) {
    case ServiceBlockParser::ReadValues:
        for (int i = 0; i < block.ids.size() && isOpen(); ++i)
            emit signalParamRead(block.ids.at(i));
        break;
    case ServiceBlockParser::ReadMin:
        for (int i = 0; i < block.ids.size() && isOpen(); ++i)
            emit signalMinRead(block.ids.at(i));
        break;
    case ServiceBlockParser::ReadMax:
        for (int i = 0; i < block.ids.size() && isOpen(); ++i)
            emit signalMaxRead(block.ids.at(i));
        break;
    case ServiceBlockParser::ReadPhysic:
        for (int i = 0; i < block.ids.size() && isOpen(); ++i)
            emit signalPhysicRead(block.ids.at(i));
        break;
    case ServiceBlockParser::ReadEvents:
        for (quint32 address : block.addresses)
            emit signalEventRead(address);
        break;
    case ServiceBlockParser::WriteValue:
        // The raw 32 bits of the value go to the controller unchanged.
        emit signalParamWrite(block.id, static_cast<quint32>(block.value), block.flag);
        break;
    case ServiceBlockParser::ReadArchive:
        emit signalLogRead(block.archive);
        break;
    case ServiceBlockParser::ReadArchiveCompressed:
        emit signalSocketServerRequestLogCompress(block.archive);
        break;
    case ServiceBlockParser::LinkState:
    default:
        // Read and dropped.
        break;
    }
}

void SocketServer::slotParamRead(quint16 id)
{
    slotParamUpdated(id, m_parameters ? m_parameters->getU32(id) : 0u, Parameters::KindValue);
}

void SocketServer::slotMinRead(quint16 id)
{
    slotParamUpdated(id, bitsFromFloat(m_parameters ? m_parameters->getMin(id) : 0.0f), Parameters::KindMin);
}

void SocketServer::slotMaxRead(quint16 id)
{
    slotParamUpdated(id, bitsFromFloat(m_parameters ? m_parameters->getMax(id) : 0.0f), Parameters::KindMax);
}

void SocketServer::slotPhysicRead(quint16 id)
{
    const quint32 physic = m_parameters ? m_parameters->getPhysic(id) : 0u;
    slotParamUpdated(id, bitsFromFloat(static_cast<float>(physic)), Parameters::KindPhysic);
}

// --- replies ---------------------------------------------------------------------------

void SocketServer::slotParamUpdated(quint16 id, quint32 value, quint8 kind)
{
    sendBlock(makeBlock(ServiceBlockParser::ValueReply, [&](QDataStream& out) { out << id << value << kind; }));
}

void SocketServer::slotNewEvent(QByteArray event)
{
    sendBlock(makeBlock(ServiceBlockParser::EventReply, [&](QDataStream& out) { out << event; }));
}

void SocketServer::slotLogRead(QByteArray header, QByteArray data)
{
    sendArchive(ServiceBlockParser::ReadArchive, header, data);
}

void SocketServer::slotSocketServerResiveLogCompress(QByteArray header, QByteArray data)
{
    sendArchive(ServiceBlockParser::ReadArchiveCompressed, header, data);
}

void SocketServer::sendArchive(quint16 command, const QByteArray& header, const QByteArray& data)
{
    sendBlock(makeBlock(command, [&](QDataStream& out) { out << header << data; }));
}

void SocketServer::slotClientServer(quint8 code, quint32 value)
{
    sendBlock(makeBlock(ServiceBlockParser::LinkState, [&](QDataStream& out) { out << code << value; }));
}

void SocketServer::slotConnectCore(bool isConnect)
{
    slotClientServer(0, isConnect ? 1u : 0u);
}

void SocketServer::sendBlock(const QByteArray& block)
{
    if (!isOpen())
        return;
    if (block.size() > ServiceBlockParser::MaxBlock) {
        note(QStringLiteral("reply of %1 bytes does not fit a block; not sent").arg(block.size()));
        return;
    }
    m_socket->write(block);
    const qint64 waiting = backlog();
    if (waiting > HardBacklog) {
        qWarning() << "Socket:" << m_socket->peerAddress() << "does not read its replies," << waiting
                   << "bytes waiting; disconnected";
        m_socket->abort();
    }
}

// --- diagnostics ------------------------------------------------------------------------

void SocketServer::slotError(QAbstractSocket::SocketError error)
{
    qWarning() << "Socket error:" << (m_socket ? m_socket->peerAddress() : QHostAddress()) << error;
}

void SocketServer::note(const QString& text)
{
    if (m_notes < MaxNotes)
        qWarning().noquote() << QStringLiteral("SocketServer %1: %2").arg(m_socketDescriptor).arg(text);
    else if (m_notes == MaxNotes)
        qWarning().noquote() << QStringLiteral("SocketServer %1: further malformed blocks not logged").arg(m_socketDescriptor);
    if (m_notes <= MaxNotes)
        ++m_notes;
}
