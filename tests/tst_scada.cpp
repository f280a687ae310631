// The SCADA engine over its real links: a Modbus TCP master against a map in
// its own thread, the store behind it, and the SPI driver talking to the
// in-process controller for software packets and both archive commands; the
// cap on Modbus TCP clients, the probing of quiet ones, a master held back
// for leaving its replies unread, and accepting again after the descriptors
// ran out.
#include "accepted_socket.h"
#include "descriptors_taken.h"
#include "driver_hold.h"
#include "log_capture.h"
#include "model_link.h"
#include "modbus_master.h"
#include "raw_client.h"
#include "parameters.h"
#include "rawbits.h"
#include "store_driver.h"
#include "tcp_acceptor.h"
#include "scada_tarvesk.h"
#include "server.h"
#include "service_client.h"
#include "test_database.h"
#include "write_backlog.h"
#include "wait_for.h"

#include <QModbusReply>
#include <QModbusTcpClient>
#include <QPointer>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QtEndian>
#include <QtTest>
#include <algorithm>
#include <atomic>
#include <functional>
#include <memory>

namespace {

// 300 bytes that differ from one offset to the next, and with the seed.
QByteArray archiveBytes(int seed)
{
    QByteArray data;
    for (int i = 0; i < 300; ++i)
        data.append(char((i * 7 + seed) & 0xFF));
    return data;
}

// The answer to a Modbus TCP write of one register of unit 1 on fd, after
// the function code, in hex ("!" first for an exception), or "none" when
// nothing comes within 5 s; sent and read without an event loop.
QString modbusWrite(int fd, quint16 transaction, quint16 address, quint16 value)
{
    QByteArray request = QByteArray::fromHex("0000000000060106");
    qToBigEndian(transaction, request.data());
    request += char(address >> 8);
    request += char(address & 0xFF);
    request += char(value >> 8);
    request += char(value & 0xFF);
    if (::send(fd, request.constData(), size_t(request.size()), MSG_NOSIGNAL) != request.size())
        return "none";
    QByteArray reply;
    for (int need = 6; reply.size() < need;) {
        pollfd ready = {fd, POLLIN, 0};
        char buffer[64];
        const ssize_t got = ::poll(&ready, 1, 5000) == 1 ? ::recv(fd, buffer, sizeof buffer, 0) : 0;
        if (got <= 0)
            return "none";
        reply.append(buffer, int(got));
        if (reply.size() >= 6)
            need = 6 + qFromBigEndian<quint16>(reply.constData() + 4);
    }
    const quint8 function = quint8(reply.at(7));
    return (function & 0x80 ? "!" : "") + QString::fromLatin1(reply.mid(8).toHex());
}

// Holds the SPI thread at the start of the next archive reply call of the
// armed command, before the call looks at its map, until released; the hold
// gives up after 5 s.
struct ReplyCallHold
{
    static inline std::atomic<int> armed{0};
    static inline QSemaphore entered{0}, gate{0}, left{0};
    static void hook(quint8 command)
    {
        int expected = command;
        if (!armed.compare_exchange_strong(expected, 0))
            return;
        entered.release();
        gate.tryAcquire(1, 5000);
        left.release();
    }
    ReplyCallHold()
    {
        for (QSemaphore* s : {&entered, &gate, &left})
            s->tryAcquire(s->available());
        Scada::setArchiveReplyHook(&hook);
    }
    ~ReplyCallHold()
    {
        Scada::setArchiveReplyHook(nullptr);
        armed = 0;
        gate.release();
    }
};

// The maker's map with a small table of every kind, and slots that run the
// engine's blocking transfers in the map's thread.
class TestMap : public ScadaTarvesk
{
    Q_OBJECT
public slots:
    void slotSendPacket(QByteArray packet, int timeoutMs) { emit signalDone(sendSoftwarePacket(packet, timeoutMs), {}, {}); }
    void slotReadArchive(int command, quint32 offset, quint32 length, int timeoutMs = TransferTimeoutMs)
    {
        QByteArray header, data;
        const bool ok = command == 12 ? readCompressLog(offset, length, &header, &data, timeoutMs)
                                      : readCompressLogRN(offset, length, &header, &data, timeoutMs);
        emit signalDone(ok, header, data);
    }
    // The steps of a read, one at a time: a wait begun and its request sent;
    // a reply taken, while a wait is open or not; a last look that ends the wait.
    void slotBeginArchive(int command, QByteArray request)
    {
        beginArchiveWait(quint8(command));
        if (command == 12)
            emit signalScadaRequestCompressLog(request);
        else
            emit signalScadaRequestCompressLogRN(request);
    }
    void slotTakeArchive(QByteArray request, bool endWait)
    {
        QByteArray header, data;
        const bool ok = endWait ? waitArchiveReply(request, &header, &data, 0) : takeArchiveReply(request, &header, &data);
        emit signalDone(ok, header, data);
    }

signals:
    void signalDone(bool ok, QByteArray header, QByteArray data);

protected:
    void initParameters() override
    {
        // id, address, operation, physic, unit, type, coefficient, min, max
        addParameter({101, 0, ScadaParameter::OperationRead, 19, 1, ScadaParameter::TypeInt16, 10, -1000, 10000, {}});
        addParameter({102, 1, ScadaParameter::OperationReadWrite, 0, 0, ScadaParameter::TypeFloat, 1, 0, 100, {}});
        addParameter({103, 10, ScadaParameter::OperationReadWrite, 8, 1, ScadaParameter::TypeUint16, 100, 0, 1000, {}});
        addParameter({104, 20, ScadaParameter::OperationReadWrite, 19, 0, ScadaParameter::TypeInt16, 1, -50, 150, {}});
        addParameter({105, 30, ScadaParameter::OperationRead, 0, 0, ScadaParameter::TypeRaw32, 1, 0, 0, {}});
    }
};

} // namespace

class TestScada : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    Parameters* m_store = nullptr;
    ModelLink* m_link = nullptr;
    QThread m_scadaThread;
    TestMap* m_map = nullptr;
    quint16 m_port = 0;
    QModbusTcpClient m_client;
    // The map's signalDone, taken in this thread.
    QList<QList<QVariant>> m_done;

    void store(quint16 id, float value) { StoreDriver{m_store}.report(id, value); }
    // The answer's bytes after the function code in hex, "!" first for an
    // exception (taken from the bytes: QtSerialBus keeps an exception's
    // function code in an enum that cannot hold it).
    QString ask(int code, const QByteArray& hex, int unit = 1)
    {
        QModbusReply* reply = m_client.sendRawRequest(QModbusRequest(QModbusPdu::FunctionCode(code), QByteArray::fromHex(hex)), unit);
        if (reply && !reply->isFinished())
            QSignalSpy(reply, &QModbusReply::finished).wait(10000);
        const QString answer = !reply || !reply->isFinished() || reply->error() == QModbusDevice::TimeoutError
                                   ? "none"
                                   : (reply->error() == QModbusDevice::ProtocolError ? "!" : "") + reply->rawResult().data().toHex();
        if (reply)
            reply->deleteLater();
        return answer;
    }
    bool connectClient()
    {
        m_client.setConnectionParameter(QModbusDevice::NetworkPortParameter, m_port);
        m_client.setConnectionParameter(QModbusDevice::NetworkAddressParameter, QStringLiteral("127.0.0.1"));
        m_client.setNumberOfRetries(0);
        m_client.setTimeout(5000);
        return m_client.connectDevice() && waitFor([this] { return m_client.state() == QModbusDevice::ConnectedState; }, 5000);
    }
    // A transfer in the map's thread: started, then its signalDone awaited.
    void start(const char* slot, QGenericArgument a, QGenericArgument b, QGenericArgument c = {},
               QGenericArgument d = {})
    {
        m_done.clear();
        QMetaObject::invokeMethod(m_map, slot, Qt::QueuedConnection, a, b, c, d);
    }
    QList<QVariant> finished()
    {
        return waitFor([this] { return !m_done.isEmpty(); }, 10000) ? m_done.first() : QList<QVariant>();
    }
    // Whether check holds, run in the map's thread (where the map's sockets
    // live); false also when it has not run within 5 s.
    bool inMapThread(const std::function<bool()>& check)
    {
        const auto result = std::make_shared<std::atomic<int>>(-1);
        QTimer::singleShot(0, m_map, [check, result] { *result = check() ? 1 : 0; });
        waitFor([&] { return *result >= 0; });
        return *result == 1;
    }
    QList<QVariant> transfer(const char* slot, QGenericArgument a, QGenericArgument b, QGenericArgument c = {},
                             QGenericArgument d = {})
    {
        start(slot, a, b, c, d);
        return finished();
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_store = new Parameters;
        // The station shows °F (586); registers keep their own unit.
        StoreDriver{m_store}.reportAll("101=100 102=3.25 103=380 104=50 105=0x12345678 580=1 586=1");
        m_link = new ModelLink;
        m_link->start();
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::AnyIPv4, 0));
        m_port = probe.serverPort();
        probe.close();
        m_map = new TestMap;
        m_map->setPort(m_port);
        m_map->setParameters(m_store);
        m_map->setSpiDriver(m_link->driver);
        m_map->moveToThread(&m_scadaThread);
        connect(m_map, &TestMap::signalDone, this, [this](bool ok, QByteArray header, QByteArray data) {
            m_done << QList<QVariant>{ok, header, data};
        });
        connect(&m_scadaThread, &QThread::started, m_map, &Scada::process);
        connect(&m_scadaThread, &QThread::finished, m_map, &QObject::deleteLater);
        m_scadaThread.start();
        QTRY_VERIFY2(m_map->isListening(), "the map listening");
        QVERIFY2(connectClient(), "the Modbus client connected");
    }

    void cleanupTestCase()
    {
        m_client.disconnectDevice();
        m_map->setProcessEnabled(false);
        m_scadaThread.exit(0);
        QVERIFY(m_scadaThread.wait(10000));
        delete m_link;
        delete m_store;
        delete m_db;
    }

    // Requests and answers byte for byte; accepted writes reach the store
    // converted back, with flag 3.
    void registers_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("write");
        QTest::addColumn<QString>("reports"); // played into the store first
        // 100 °C in °F (the entry's unit) times 10; 3.25 as a float, high word first.
        QTest::newRow("scaled and float") << 3 << QByteArray("00000003") << "06084840500000" << "" << "";
        // Later store changes reach the registers through the refresh; a
        // negative scaled value goes out in two's complement.
        QTest::newRow("-40 °F times 10, two's complement") << 3 << QByteArray("00000001") << "02fe70" << "" << "101=-40";
        QTest::newRow("100 °C again") << 3 << QByteArray("00000001") << "020848" << "" << "101=100";
        QTest::newRow("input registers") << 4 << QByteArray("00000003") << "06084840500000" << "" << "";
        QTest::newRow("380 V in kV times 100") << 3 << QByteArray("000a0001") << "020026" << "" << "";
        QTest::newRow("the entry's unit, not 586") << 3 << QByteArray("00140001") << "020032" << "" << "";
        QTest::newRow("raw pair") << 3 << QByteArray("001e0002") << "0412345678" << "" << "";
        QTest::newRow("no entry") << 3 << QByteArray("00050001") << "!02" << "" << "";
        QTest::newRow("range with a gap") << 3 << QByteArray("00000004") << "!02" << "" << "";
        QTest::newRow("coils") << 1 << QByteArray("00000001") << "!02" << "" << "";
        QTest::newRow("write 0.41 kV") << 16 << QByteArray("000a00010200" "29") << "000a0001" << "103=410/3" << "";
        QTest::newRow("write °C, whatever shown") << 16 << QByteArray("001400010200" "3c") << "00140001" << "104=60/3" << "";
        QTest::newRow("write a float whole") << 16 << QByteArray("00010002044120" "0000") << "00010002" << "102=10/3" << "";
        QTest::newRow("write above the maximum") << 16 << QByteArray("000a00010203" "e9") << "!03" << "" << "";
        QTest::newRow("write -256 °C") << 16 << QByteArray("0014000102ff" "00") << "!03" << "" << "";
        QTest::newRow("write read only") << 6 << QByteArray("00000001") << "!02" << "" << "";
        QTest::newRow("write half a pair") << 6 << QByteArray("00010001") << "!02" << "" << "";
        QTest::newRow("write without entry") << 6 << QByteArray("00050001") << "!02" << "" << "";
    }

    void registers()
    {
        QFETCH(int, code);
        QFETCH(QByteArray, request);
        QFETCH(QString, answer);
        QFETCH(QString, write);
        QFETCH(QString, reports);
        QSignalSpy writes(m_store, &Parameters::signalParamWrite);
        StoreDriver{m_store}.reportAll(reports);
        if (reports.isEmpty())
            QCOMPARE(ask(code, request), answer);
        else
            QTRY_COMPARE_WITH_TIMEOUT(ask(code, request), answer, 5000);
        QTRY_COMPARE(writes.count(), write.isEmpty() ? 0 : 1);
        QStringList seen;
        for (const QList<QVariant>& w : writes)
            seen << QString("%1=%2/%3").arg(w.at(0).toInt()).arg(floatFromBits(w.at(1).value<quint32>())).arg(w.at(2).toInt());
        QCOMPARE(seen.join(' '), write);
    }

    void unitIdentifierFollowsTheStationAddress()
    {
        store(580, 7.0f);
        QTRY_COMPARE(m_map->serverAddress(), 7);
        QCOMPARE(ask(3, "000a0001", 7), QString("020026"));
        m_client.setTimeout(500);
        QCOMPARE(ask(3, "000a0001", 1), QString("none")); // QtSerialBus stays silent
        m_client.setTimeout(5000);
        store(580, 0.0f); // no valid address: 255, the unit identifier that does not matter
        QTRY_COMPARE(m_map->serverAddress(), 255);
        store(580, 1.0f);
        QTRY_COMPARE(m_map->serverAddress(), 1);
    }

    // Masters that connect one after another, as a poller does that connects
    // for each poll: every one is answered, not only the first.
    void successiveClientsAreEachAnswered()
    {
        const QByteArray answer = QByteArray::fromHex("00070000000501" "03020026");
        const int clients = 20;
        for (int i = 1; i <= clients; ++i) {
            const int fd = rawClient(m_port);
            const quint16 port = fd >= 0 ? AcceptedSocket::localPort(fd) : 0;
            const QByteArray got = fd >= 0 ? ModbusMaster::readRegister10(fd) : QByteArray();
            if (fd >= 0)
                ::close(fd);
            QVERIFY2(got == answer, qPrintable(QString("client %1 of %2 answered").arg(i).arg(clients)));
            // Gone from the server too before the next, so that the cap meets
            // only the clients of the checks after this one.
            QVERIFY2(waitFor([&] { return AcceptedSocket::find(m_port, port) < 0; }),
                     qPrintable(QString("client %1 of %2 let go").arg(i).arg(clients)));
        }
    }

    // Sixteen clients at once, this suite's own among them: the next is
    // turned away, the admitted are served and probed as the console's are,
    // and the place of one that vanished without a word is taken again.
    void clientsAreCappedAndProbed()
    {
        const QByteArray answer = QByteArray::fromHex("00070000000501" "03020026");
        std::vector<int> clients;
        for (int i = 0; i < Scada::MaxConnections; ++i)
            clients.push_back(rawClient(m_port));
        QVERIFY2(ModbusMaster::readRegister10(clients.back()).isEmpty(), "the client over the cap turned away");
        ::close(clients.back());
        clients.pop_back();
        for (int fd : clients)
            QCOMPARE(ModbusMaster::readRegister10(fd), answer);
        QCOMPARE(ask(3, "000a0001"), QString("020026"));
        const int end = AcceptedSocket::find(m_port, AcceptedSocket::localPort(clients.front()));
        QCOMPARE(AcceptedSocket::keepAlive(end), QByteArray("on 1 idle 60 interval 10 probes 3 timeout 90000"));
        const bool vanished = AcceptedSocket::vanish(clients.front(), end);
        if (vanished)
            clients.front() = rawClient(m_port);
        const bool placeTaken = vanished && waitFor([&] {
            if (ModbusMaster::readRegister10(clients.front()) == answer)
                return true;
            ::close(clients.front());
            clients.front() = rawClient(m_port);
            return false;
        });
        for (int fd : clients)
            ::close(fd);
        if (!vanished)
            QSKIP("closing a client without a word takes the right to repair sockets");
        QVERIFY2(placeTaken, "the vanished client's place taken again");
    }

    // A master held back for leaving its replies unread that goes, its
    // connection reset, is let go at once, well before the time bound would
    // drop it: the server keeps nothing of it. The replies held back wait in
    // the system's queue, or, when it is small, partly in the socket, which
    // then meets the reset itself.
    void heldBackMasterThatGoesIsLetGo_data()
    {
        QTest::addColumn<int>("sendBuffer");
        QTest::newRow("the system's queue") << 0;
        QTest::newRow("the socket's too") << 4096;
    }

    void heldBackMasterThatGoesIsLetGo()
    {
        QFETCH(int, sendBuffer);
        const int fd = rawClient(m_port, 4096);
        const quint16 clientPort = fd >= 0 ? AcceptedSocket::localPort(fd) : 0;
        int end = -1;
        QVERIFY2(fd >= 0 && waitFor([&] { return (end = AcceptedSocket::find(m_port, clientPort)) >= 0; }), "the master connected");
        // The server's socket for it, looked at in the map's thread only.
        const auto socket = std::make_shared<QPointer<QTcpSocket>>();
        QVERIFY2(waitFor([&] {
                     return inMapThread([this, socket, clientPort] {
                         for (QTcpSocket* s : m_map->findChildren<QTcpSocket*>())
                             if (s->peerPort() == clientPort)
                                 *socket = s;
                         return !socket->isNull();
                     });
                 }),
                 "the server's socket for the master");
        if (sendBuffer > 0)
            ::setsockopt(end, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
        // Requests until none is taken for 300 ms, none of the answers read.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        const QByteArray requests = ModbusMaster::readRequest(1, 125).repeated(256);
        QElapsedTimer flood, unchanged;
        flood.start();
        unchanged.start();
        for (int at = 0; unchanged.elapsed() < 300 && flood.elapsed() < 5000;) {
            const ssize_t n = ::send(fd, requests.constData() + at, size_t(requests.size() - at), MSG_NOSIGNAL);
            if (n > 0) {
                at = int((at + n) % requests.size());
                unchanged.restart();
            } else {
                QThread::msleep(1);
            }
        }
        const linger reset = {1, 0};
        ::setsockopt(fd, SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
        ::close(fd);
        QVERIFY2(unchanged.elapsed() >= 300, "what the master sends no longer taken");
        QVERIFY2(waitFor([&] { return inMapThread([socket] { return socket->isNull(); }); }, 2000), "the master's socket let go");
    }

    // With no descriptor left a client cannot be accepted; it is, once
    // descriptors are free again.
    void acceptingResumesOnceDescriptorsAreFree()
    {
        std::atomic<int> failures{0};
        std::atomic<bool> watching{false};
        QMetaObject::Connection watch;
        QTimer::singleShot(0, m_map, [&] { // the map's children are touched in its thread only
            watch = connect(m_map->findChild<TcpAcceptor*>(), &TcpAcceptor::signalAcceptFailed, m_map, [&] { ++failures; });
            watching = true;
        });
        QVERIFY2(waitFor([&] { return watching.load(); }) && watch, "the map's acceptor watched");
        // The link's code has run (see DescriptorsTaken).
        QVERIFY2(waitFor([this] { return m_link->model.stats().value(ControllerModel::CmdStatus) > 2; }), "the link running");
        const int client = ::socket(AF_INET, SOCK_STREAM, 0);
        const sockaddr_in address = loopbackAddress(m_port);
        {
            DescriptorsTaken taken;
            QVERIFY(::connect(client, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
            QVERIFY2(waitFor([&] { return failures >= 2; }), "accepts failed, and failed again a second later");
        }
        QCOMPARE(ModbusMaster::readRegister10(client), QByteArray::fromHex("00070000000501" "03020026"));
        disconnect(watch);
        ::close(client);
    }

    void softwarePacket()
    {
        const QByteArray packet = Scada::softwarePacket(7, 0x0102, "abc");
        QCOMPARE(packet, QByteArray::fromHex("070002010300616263"));
        QCOMPARE(transfer("slotSendPacket", Q_ARG(QByteArray, packet), Q_ARG(int, 5000)).value(0), QVariant(true));
        QCOMPARE(m_link->model.scadaPackets().value(0), packet);
        // One that no frame holds is refused, not reported as sent.
        const QByteArray tooLong = Scada::softwarePacket(7, 1, QByteArray(SpiDriver::MaxScadaPacket - 5, 'x'));
        QCOMPARE(transfer("slotSendPacket", Q_ARG(QByteArray, tooLong), Q_ARG(int, 5000)).value(0), QVariant(false));
        QCOMPARE(m_link->model.scadaPackets().size(), 1);

        // A packet the controller refuses is given up on, but the driver
        // keeps it until it goes through; the next is not handed over while
        // it waits there, so the driver never holds more than one.
        m_link->model.setFault(ControllerModel::Fault::Refuse, 1000000, ControllerModel::CmdScadaWrite);
        const QByteArray refused = Scada::softwarePacket(7, 2, "def");
        const QByteArray next = Scada::softwarePacket(7, 3, "ghi");
        QCOMPARE(transfer("slotSendPacket", Q_ARG(QByteArray, refused), Q_ARG(int, 300)).value(0), QVariant(false));
        QCOMPARE(transfer("slotSendPacket", Q_ARG(QByteArray, next), Q_ARG(int, 300)).value(0), QVariant(false));
        QCOMPARE(m_link->driver->scadaPacketCount(), 1);
        m_link->model.setFault(ControllerModel::Fault::None);
        QCOMPARE(transfer("slotSendPacket", Q_ARG(QByteArray, next), Q_ARG(int, 5000)).value(0), QVariant(true));
        QCOMPARE(m_link->model.scadaPackets(), QList<QByteArray>({packet, refused, next}));
    }

    void archiveRepliesOfBothCommands_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<quint32>("offset");
        QTest::addColumn<quint32>("left"); // what the controller has from offset
        QTest::newRow("14") << int(ControllerModel::CmdReadArchiveCompressedRN) << 100u << 50u;
        QTest::newRow("12, near the end") << int(ControllerModel::CmdReadArchiveCompressed) << 280u << 20u;
    }

    void archiveRepliesOfBothCommands()
    {
        QFETCH(int, command);
        QFETCH(quint32, offset);
        QFETCH(quint32, left);
        const QByteArray archive = QByteArray::number(command).repeated(150); // 300 bytes
        QVERIFY(m_link->model.setArchive(quint8(command), archive));
        const QList<QVariant> reply = transfer("slotReadArchive", Q_ARG(int, command), Q_ARG(quint32, offset), Q_ARG(quint32, 50u));
        QVERIFY2(reply.value(0).toBool(), "the archive reply");
        QByteArray header = Scada::archiveRequest(offset, 50); // the request's, with the length sent last
        qToLittleEndian(left, header.data() + 11);
        QCOMPARE(reply.at(1).toByteArray().toHex(), header.toHex());
        QCOMPARE(reply.at(2).toByteArray(), archive.mid(int(offset), int(left)));
    }

    // A reply that comes after its request timed out, or that answers another
    // requester, never stands for a later request's: not kept while nothing
    // waits, passed over while another reply is awaited unless it echoes the
    // awaited request's selector, offset and length; and taken once.
    void archiveBuffersKeepOnlyTheAwaitedReply_data()
    {
        QTest::addColumn<int>("lateCommand");
        QTest::addColumn<QByteArray>("late"); // the late request
        QTest::addColumn<bool>("fromMap");    // else sent to the driver as a service client does
        QTest::addColumn<int>("command");
        QTest::addColumn<quint32>("offset");
        QTest::addColumn<bool>("waiting"); // asked before the late reply comes
        const QByteArray otherSelector = QByteArray::fromHex("010000") + Scada::archiveRequest(60, 20).mid(3);
        QTest::newRow("nothing waits") << 14 << Scada::archiveRequest(60, 20) << true << 14 << 60u << false;
        QTest::newRow("another offset") << 14 << Scada::archiveRequest(40, 20) << true << 14 << 60u << true;
        QTest::newRow("the other command") << 12 << Scada::archiveRequest(60, 20) << true << 14 << 60u << true;
        QTest::newRow("another length") << 14 << Scada::archiveRequest(60, 30) << false << 14 << 60u << true;
        QTest::newRow("another selector") << 12 << otherSelector << false << 12 << 60u << true;
    }

    void archiveBuffersKeepOnlyTheAwaitedReply()
    {
        QFETCH(int, lateCommand);
        QFETCH(QByteArray, late);
        QFETCH(bool, fromMap);
        QFETCH(int, command);
        QFETCH(quint32, offset);
        QFETCH(bool, waiting);
        const quint32 lateOffset = qFromLittleEndian<quint32>(late.constData() + 3);
        const quint32 lateLength = qFromLittleEndian<quint32>(late.constData() + 7);
        QByteArray archive = archiveBytes(command);
        QVERIFY(m_link->model.setArchive(12, archiveBytes(12)) && m_link->model.setArchive(14, archiveBytes(14)));
        // Requests sent and replies delivered, seen in this thread after the map has had them.
        int asked = 0;
        QStringList replies;
        const auto seen = [&replies](int code, const QByteArray& header) {
            replies << QString("%1@%2").arg(code).arg(qFromLittleEndian<quint32>(header.constData() + 3));
        };
        QObject here;
        connect(m_map, &TestMap::signalScadaRequestCompressLog, &here, [&asked] { ++asked; });
        connect(m_map, &TestMap::signalScadaRequestCompressLogRN, &here, [&asked] { ++asked; });
        connect(m_link->driver, &SpiDriver::signalSpiResiveLogCompress, &here, [&seen](QByteArray h) { seen(12, h); });
        connect(m_link->driver, &SpiDriver::signalSpiResiveLogCompressRN, &here, [&seen](QByteArray h) { seen(14, h); });
        // The driver serves its queues in turn, from the one after the last
        // served: after a status poll, command 12 before command 14.
        const quint64 polls = m_link->model.stats().value(ControllerModel::CmdStatus);
        QVERIFY2(waitFor([&] { return m_link->model.stats().value(ControllerModel::CmdStatus) > polls; }), "a status poll");

        DriverHold hold(m_link->driver);
        QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
        if (fromMap) {
            const QList<QVariant> timedOut = transfer("slotReadArchive", Q_ARG(int, lateCommand), Q_ARG(quint32, lateOffset),
                                                      Q_ARG(quint32, lateLength), Q_ARG(int, 200));
            QVERIFY2(timedOut.value(0) == QVariant(false), "the late request timed out");
        } else {
            QMetaObject::invokeMethod(m_link->driver, lateCommand == 12 ? "slotSpiRequestLogCompress" : "slotSpiRequestLogCompressRN",
                                      Qt::QueuedConnection, Q_ARG(QByteArray, late));
        }
        if (waiting) {
            start("slotReadArchive", Q_ARG(int, command), Q_ARG(quint32, offset), Q_ARG(quint32, 20u));
            QVERIFY2(waitFor([&] { return asked == (fromMap ? 2 : 1); }), "the awaited request sent");
        }
        QVERIFY2(hold.release(), "the SPI driver held until released");
        if (!waiting) {
            QVERIFY2(waitFor([&] { return replies.size() == 1; }), "the late reply");
            // Taken without a new wait, which would clear the buffers first.
            const QList<QVariant> kept = transfer("slotTakeArchive", Q_ARG(QByteArray, late), Q_ARG(bool, false));
            QVERIFY2(kept.value(0) == QVariant(false), "the late reply not kept");
            archive = archiveBytes(99);
            QVERIFY(m_link->model.setArchive(quint8(command), archive));
            start("slotReadArchive", Q_ARG(int, command), Q_ARG(quint32, offset), Q_ARG(quint32, 20u));
        }
        const QList<QVariant> done = finished();
        QVERIFY2(done.value(0).toBool(), "the awaited reply");
        QCOMPARE(done.at(1).toByteArray().toHex(), Scada::archiveRequest(offset, 20).toHex());
        QCOMPARE(done.at(2).toByteArray(), archive.mid(int(offset), 20));
        // The late reply came before the awaited one.
        QTRY_COMPARE(replies, QStringList({QString("%1@%2").arg(lateCommand).arg(lateOffset),
                                           QString("%1@%2").arg(command).arg(offset)}));
        if (waiting)
            return;
        // Once taken, a reply is gone: asked again and taken, the wait's last look finds nothing.
        const QByteArray request = Scada::archiveRequest(offset, 20);
        QMetaObject::invokeMethod(m_map, "slotBeginArchive", Qt::QueuedConnection, Q_ARG(int, command), Q_ARG(QByteArray, request));
        QVERIFY2(waitFor([&] { return replies.size() == 3; }), "the reply asked again");
        const QList<QVariant> taken = transfer("slotTakeArchive", Q_ARG(QByteArray, request), Q_ARG(bool, false));
        QVERIFY2(taken.value(0).toBool(), "the reply taken");
        QCOMPARE(taken.at(2).toByteArray(), archive.mid(int(offset), 20));
        QVERIFY2(transfer("slotTakeArchive", Q_ARG(QByteArray, request), Q_ARG(bool, true)).value(0) == QVariant(false),
                 "the reply taken once");
    }

    // An archive request the controller keeps refusing is asked again while
    // the map waits for it and dropped, with a log line, once the wait has
    // ended: when the controller would answer again, it is not asked.
    void refusedArchiveRequestEndsWithTheMapsWait_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("14") << int(ControllerModel::CmdReadArchiveCompressedRN);
        QTest::newRow("12") << int(ControllerModel::CmdReadArchiveCompressed);
    }

    void refusedArchiveRequestEndsWithTheMapsWait()
    {
        QFETCH(int, command);
        ControllerModel& model = m_link->model;
        QVERIFY(model.setArchive(quint8(command), archiveBytes(command)));
        LogCapture log;
        const quint64 served = model.stats().value(quint8(command));
        model.setFault(ControllerModel::Fault::Refuse, 100000000, command);
        const QList<QVariant> done = transfer("slotReadArchive", Q_ARG(int, command), Q_ARG(quint32, 40u),
                                              Q_ARG(quint32, 20u), Q_ARG(int, 500));
        QVERIFY2(done.value(0) == QVariant(false), "the map's wait over without a reply");
        const QString dropped = QString("archive request of command %1 at offset 40 dropped, its requester no longer waits").arg(command);
        QVERIFY2(waitFor([&] { return log.count(dropped) == 1; }), "the request dropped");
        model.setFault(ControllerModel::Fault::None);
        QTest::qWait(5 * SpiDriver::RefusedRetryMs);
        QCOMPARE(model.stats().value(quint8(command)), served);
    }

    // A service client fills the archive queue of command 12 with requests
    // the controller cannot serve and refuses every time, and asks for more:
    // past its share it is refused, with a log line now and then. The map's
    // read of the same command, queued behind them all, keeps its room and
    // goes before them, so it is answered within a wait far shorter than the
    // one pass through the client's requests would take. The refusals bring
    // the controller's notices meanwhile: a change made on the controller
    // reaches the clients within a second, and the link is never shown down.
    void refusedServiceRequestsLeaveTheMapsReadOnTime()
    {
        ControllerModel& model = m_link->model;
        SpiDriver* driver = m_link->driver;
        const int command = ControllerModel::CmdReadArchiveCompressed;
        QVERIFY(model.setArchive(quint8(command), archiveBytes(command)));
        model.defineParameter(13, 0);
        // Offsets from here on are refused: the frame is command, length and
        // the 15-byte request, whose offset is at its byte 3.
        const quint32 refusedFrom = 1000000;
        model.setRefusal([command, refusedFrom](const QByteArray& frame) {
            return frame.size() >= 2 + SpiDriver::ArchiveRequestSize && quint8(frame.at(0)) == command
                   && qFromLittleEndian<quint32>(frame.constData() + 2 + 3) >= refusedFrom;
        });
        const std::shared_ptr<void> servedAgain(nullptr, [&model](void*) { model.setRefusal(nullptr); });
        TcpServer service(m_store, driver, nullptr, 0);
        BlockClient client;
        QVERIFY(client.connectTo(service.serverPort()) && client.ready());
        QObject here;
        int asked = 0;
        connect(m_map, &TestMap::signalScadaRequestCompressLog, &here, [&asked] { ++asked; });
        LogCapture log;
        const int share = SpiDriver::MaxArchiveQueue - SpiDriver::ScadaArchiveRoom;
        QByteArray requests;
        for (int i = 0; i < SpiDriver::MaxArchiveQueue; ++i)
            requests += serviceRequest(9, [i, refusedFrom](QDataStream& out) {
                out << Scada::archiveRequest(refusedFrom + quint32(i), 10);
            });
        // One pass through the client's share takes an exchange a request,
        // seconds in all; the map waits a second.
        const int mapWaitMs = 1000;
        {
            // All of them queued before the first goes out, the map's last.
            DriverHold hold(driver);
            QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
            client.send(requests + idRequest(0, {14}));
            QVERIFY2(client.waitCount(valueIs(14), 1), "the service requests handed to the link");
            start("slotReadArchive", Q_ARG(int, command), Q_ARG(quint32, 100u), Q_ARG(quint32, 20u),
                  Q_ARG(int, mapWaitMs));
            QVERIFY2(waitFor([&asked] { return asked == 1; }), "the map's read asked");
            QVERIFY2(hold.release(), "the SPI driver held until released");
        }
        const QList<QVariant> done = finished();
        QVERIFY2(done.value(0).toBool(), "the map's read answered within its wait");
        QCOMPARE(done.at(2).toByteArray(), archiveBytes(command).mid(100, 20));
        QVERIFY(log.count(QString("archive queue full (%1), request dropped").arg(share)) >= 1);
        QVERIFY(model.setFloat(13, 42.5f));
        QVERIFY2(client.waitCount(valueIs(13, 2, bitsFromFloat(42.5f)), 1, 1000), "the change within a second");
        QVERIFY2(model.received().value(quint8(command)) > model.stats().value(quint8(command)),
                 "the client's requests refused meanwhile");
        QVERIFY2(client.count([](const Reply& r) { return r.command == 8; }) == 0, "the link never shown down");
        // The refused ones are given up at the next step: the link is idle again.
        const auto givenUp = std::make_shared<std::atomic<bool>>(false);
        QTimer::singleShot(0, driver, [driver, givenUp] {
            driver->setArchiveAwait(0);
            *givenUp = true;
        });
        QVERIFY2(waitFor([givenUp] { return givenUp->load(); }), "the refused requests given up");
        const quint64 polls = model.stats().value(ControllerModel::CmdStatus);
        QVERIFY2(waitFor([&] { return model.stats().value(ControllerModel::CmdStatus) > polls; }), "the link idle");
        QTimer::singleShot(0, driver, [driver] { driver->setArchiveAwait(SpiDriver::ArchiveAwaitMs); });
    }

    // While the SPI link's write backlog is full, a write the map takes is
    // answered "server device busy" and goes nowhere; a write the map does
    // not take keeps its own answer. Every write answered as taken reaches
    // the controller once the link goes on, and writes are taken again.
    void writesWaitForTheLinkAsBusy()
    {
        SpiDriver* driver = m_link->driver;
        driver->connectParamWrite(m_store, &Parameters::signalParamWrite);
        const int before = m_link->model.writes().size();
        int taken = 0;
        {
            DriverHold hold(driver);
            QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
            QString answer;
            while ((answer = ask(6, "000a0029")) == "000a0029" && taken <= WriteBacklog::Cap)
                ++taken;
            QCOMPARE(answer, QString("!06"));
            QVERIFY(taken > 0);
            QCOMPARE(ask(6, "00050001"), QString("!02"));
        }
        QVERIFY2(waitFor([&] { return m_link->model.writes().size() - before == taken; }), "every taken write at the controller");
        QCOMPARE(ask(6, "000a0029"), QString("000a0029"));
        QVERIFY(QObject::disconnect(m_store, &Parameters::signalParamWrite, driver, nullptr));
    }

    // While the store's thread (this one) is held, the writes the map has
    // handed to it count as on their way to the link: once as many wait as
    // the link's backlog takes, a write is answered busy. Once the store's
    // thread runs again, every write answered as taken reaches it, and
    // writes are taken again.
    void writesWaitForTheStoreAsBusy()
    {
        QSignalSpy writes(m_store, &Parameters::signalParamWrite);
        // 0.42 kV, in volts: told apart from the writes of the checks before.
        const auto stored = [&writes] {
            return std::count_if(writes.begin(), writes.end(), [](const QList<QVariant>& w) {
                return w.at(0).toInt() == 103 && qAbs(floatFromBits(w.at(1).value<quint32>()) - 420.0f) < 0.01f
                       && w.at(2).toInt() == 3;
            });
        };
        const int fd = rawClient(m_port);
        QVERIFY2(fd >= 0, "a Modbus client connected");
        // Held: no event loop here until the answers are in.
        int taken = 0;
        QString answer;
        while ((answer = modbusWrite(fd, quint16(taken), 0x000a, 0x002a)) == "000a002a" && taken <= WriteBacklog::Cap)
            ++taken;
        ::close(fd);
        QCOMPARE(answer, QString("!06"));
        // Fewer when a write of the checks before is still on its way.
        QVERIFY2(taken > 0 && taken <= WriteBacklog::Cap, qPrintable(QString("%1 writes taken").arg(taken)));
        QVERIFY(writes.isEmpty());
        // Released.
        QVERIFY2(waitFor([&] { return stored() == taken; }), "every taken write at the store");
        QCOMPARE(ask(6, "000a002a"), QString("000a002a"));
        QVERIFY2(waitFor([&] { return stored() == taken + 1; }), "a write taken again");
    }

    void disablingFromAnotherThreadFreesThePort()
    {
        // The map's thread waits for a packet the held driver cannot take.
        DriverHold hold(m_link->driver);
        QVERIFY2(hold.isHeld(), "the SPI driver's thread held");
        start("slotSendPacket", Q_ARG(QByteArray, Scada::softwarePacket(4, 1, "x")), Q_ARG(int, 600000));
        const bool onItsWay = waitFor([this] { return !m_map->isSoftwareQueueEmpty(); }, 5000);
        m_map->setProcessEnabled(false);
        QVERIFY2(onItsWay, "the packet on its way");
        QTcpServer probe;
        QVERIFY2(probe.listen(QHostAddress::AnyIPv4, m_port), qPrintable(probe.errorString()));
        probe.close();
        QVERIFY2(finished().value(0) == QVariant(false), "the transfer given up");
        QVERIFY2(hold.release(), "the SPI driver held until released");
        // Enabled again, it serves the same table on the same port.
        m_map->setProcessEnabled(true);
        QTRY_COMPARE(m_client.state(), QModbusDevice::UnconnectedState);
        QVERIFY2(connectClient(), "the Modbus client connected again");
        QCOMPARE(ask(3, "000a0001"), QString("020026"));
    }

    // The application switches maps (disabled, then released with
    // deleteLater) while the SPI thread delivers archive replies to them: no
    // reply call runs in a released map. Every tenth switch holds a reply call
    // at its start until the map it was made for is gone: in turn one of
    // command 12 and one of 14 to the maker's map, one of 14 to the engine's.
    void mapsSwitchWhileArchiveRepliesStreamIn()
    {
        ModelLink link;
        QVERIFY(link.model.setArchive(12, archiveBytes(12)) && link.model.setArchive(14, archiveBytes(14)));
        link.start();
        ReplyCallHold hold;
        QObject here;
        // The maps' thread, stopped on every way out; a map still in it goes then.
        struct MapThread : QThread
        {
            ~MapThread() override
            {
                quit();
                wait();
            }
        } thread;
        thread.start();
        // Each reply asks for the next of its command, as service clients do.
        quint32 replies = 0;
        const auto ask = [&link](const char* slot, quint32 offset) {
            QMetaObject::invokeMethod(link.driver, slot, Qt::QueuedConnection,
                                      Q_ARG(QByteArray, Scada::archiveRequest(offset % 280, 20)));
        };
        connect(link.driver, &SpiDriver::signalSpiResiveLogCompress, &here, [&] { ask("slotSpiRequestLogCompress", ++replies); });
        connect(link.driver, &SpiDriver::signalSpiResiveLogCompressRN, &here, [&] { ask("slotSpiRequestLogCompressRN", ++replies); });
        ask("slotSpiRequestLogCompress", 0);
        ask("slotSpiRequestLogCompressRN", 0);

        int released = 0;
        const auto build = [&](bool maker) {
            Scada* map = maker ? new TestMap : new Scada;
            map->setPort(0);
            map->setParameters(m_store);
            map->setSpiDriver(link.driver);
            map->moveToThread(&thread);
            connect(&thread, &QThread::finished, map, &QObject::deleteLater);
            connect(map, &QObject::destroyed, &here, [&released] { ++released; });
            QMetaObject::invokeMethod(map, "process", Qt::QueuedConnection);
            return map;
        };
        // Whether the map that switch i releases is the maker's.
        const auto maker = [](int i) { return i % 10 == 0 ? (i / 10) % 3 != 2 : i % 2 == 1; };
        Scada* map = build(maker(1));
        const int switches = 300;
        for (int i = 1; i <= switches; ++i) {
            QVERIFY2(waitFor([map] { return map->isListening(); }), "the map serving");
            const bool held = i % 10 == 0;
            if (held) {
                ReplyCallHold::armed = (i / 10) % 3 == 0 ? 12 : 14;
                // This thread asks for the replies: it waits in its event loop.
                QVERIFY2(waitFor([] { return ReplyCallHold::entered.tryAcquire(); }), "a reply call held at its start");
            }
            map->setProcessEnabled(false);
            map->deleteLater();
            map = build(maker(i + 1));
            if (held) {
                QVERIFY2(waitFor([&] { return released == i; }), "the map released");
                ReplyCallHold::gate.release();
                QVERIFY2(ReplyCallHold::left.tryAcquire(1, 5000), "the held reply call gone on");
            }
        }
        QVERIFY2(replies > quint32(switches / 10), qPrintable(QString("%1 replies").arg(replies)));
        // The last map, the maker's, still reads the archive.
        QList<QVariant> done;
        connect(static_cast<TestMap*>(map), &TestMap::signalDone, &here,
                [&done](bool ok, QByteArray, QByteArray data) { done << ok << data; });
        QMetaObject::invokeMethod(map, "slotReadArchive", Qt::QueuedConnection, Q_ARG(int, 14), Q_ARG(quint32, 100u),
                                  Q_ARG(quint32, 20u));
        QVERIFY2(waitFor([&] { return !done.isEmpty(); }), "the last map's read");
        QCOMPARE(done, QList<QVariant>({true, archiveBytes(14).mid(100, 20)}));
        map->setProcessEnabled(false);
        map->deleteLater();
        QVERIFY2(waitFor([&] { return released == switches + 1; }), "every map released");
    }
};

QTEST_GUILESS_MAIN(TestScada)
#include "tst_scada.moc"
