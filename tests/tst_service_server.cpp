// The service server on a free port, with real TCP clients, against the store
// and the SPI driver talking to the in-process controller: every request and
// reply, blocks cut and joined by TCP, broadcasts to several clients, blocks
// a hostile client might send, the connection cap, a client that does not
// read, and stopping with clients connected.
#include "deaf_client.h"
#include "model_link.h"
#include "parameters.h"
#include "rawbits.h"
#include "server.h"
#include "service_client.h"
#include "serviceblockparser.h"
#include "test_database.h"
#include "wait_for.h"

#include <QtTest>
#include <memory>

namespace {

using P = ServiceBlockParser;

QByteArray addressRequest(const QVector<quint32>& addresses)
{
    return serviceRequest(P::ReadEvents, [&](QDataStream& out) {
        for (quint32 a : addresses)
            out << a;
    });
}

QByteArray writeRequest(quint16 id, quint32 value, qint32 flag)
{
    return serviceRequest(P::WriteValue, [&](QDataStream& out) { out << id << qint32(value) << flag; });
}

QByteArray archiveRequest(quint16 command, const QByteArray& array)
{
    return serviceRequest(command, [&](QDataStream& out) { out << array; });
}

// Any bytes after a size field: for blocks a proper client never sends.
QByteArray rawBlock(quint16 size, const QByteArray& body)
{
    return QByteArray().append(char(size >> 8)).append(char(size & 0xFF)).append(body);
}

QByteArray be16(quint16 v)
{
    return QByteArray().append(char(v >> 8)).append(char(v & 0xFF));
}

void putLe32(QByteArray& b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

// An archive request: 3 bytes of selection, offset and count (little-endian),
// 4 bytes the controller fills.
QByteArray archiveHeader(quint8 tag, quint32 offset, quint32 count)
{
    QByteArray h(15, '\0');
    h[0] = char(tag);
    putLe32(h, 3, offset);
    putLe32(h, 7, count);
    return h;
}

// The header the controller answers with: the request, its last four bytes
// holding the count of bytes served.
QByteArray echoed(QByteArray header, quint32 count)
{
    putLe32(header, 11, count);
    return header;
}

QByteArray eventRecord(quint32 number, quint8 code)
{
    QByteArray r(21, '\0');
    putLe32(r, 0, number);
    r[8] = 3;
    r[9] = char(code);
    return r;
}

ReplyMatch eventOf(const QByteArray& record)
{
    return [=](const Reply& r) { return r.command == 4 && r.first == record; };
}

ReplyMatch archiveOf(quint16 command, const QByteArray& header, const QByteArray& data)
{
    return [=](const Reply& r) { return r.command == command && r.first == header && r.second == data; };
}

// The store and a driver in its own thread against one in-process controller.
struct Station
{
    Parameters parameters;
    ModelLink link{true};
    Station() { link.driver->setPeers(&parameters, nullptr); }
};

} // namespace

class TestServiceServer : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    Station* m_station = nullptr;
    TcpServer* m_server = nullptr;
    quint16 m_port = 0;

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        m_station = new Station;
        QSignalSpy end(&m_station->parameters, &Parameters::signalSyncEnd);
        m_station->link.start();
        QVERIFY(end.wait(60000));
        m_server = new TcpServer(nullptr, 0, &m_station->parameters, m_station->link.driver);
        QVERIFY(m_server->isListening());
        m_port = m_server->serverPort();
    }

    void cleanupTestCase()
    {
        delete m_server;
        delete m_station;
        delete m_db;
    }

    // Every test's clients are gone before the next one counts.
    void cleanup() { QVERIFY(waitFor([this] { return m_server->connectionCount() == 0; })); }

    void readsAnswerFromTheStoreWithTheirKind()
    {
        Station& s = *m_station;
        QVERIFY(s.link.model.setFloat(13, 7.0f));
        QVERIFY(s.link.model.setMin(13, 1.5f));
        QVERIFY(s.link.model.setMax(13, 98.25f));
        QVERIFY(waitFor([&] {
            return s.parameters.get(13) == 7.0f && s.parameters.getMin(13) == 1.5f && s.parameters.getMax(13) == 98.25f;
        }));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        client.send(idRequest(P::ReadValues, {13, 14}));
        client.send(idRequest(P::ReadValues, {15}));
        QVERIFY(client.waitCount(valueOf(15), 1));
        QCOMPARE(client.replies().size(), 3);
        QCOMPARE(client.replies().at(0).id, quint16(13));
        QCOMPARE(client.replies().at(0).value, bitsFromFloat(7.0f));
        QCOMPARE(client.replies().at(1).value, s.parameters.getU32(14));
        QCOMPARE(client.replies().at(2).value, s.parameters.getU32(15));
        // An id the store does not know reads as the store's unknown value.
        QVERIFY(!s.parameters.getParameter(5000));
        quint32 value = 1;
        client.send(idRequest(P::ReadValues, {5000}));
        QVERIFY(client.waitValue(5000, Parameters::KindValue, &value));
        QCOMPARE(value, s.parameters.getU32(5000));

        client.send(idRequest(P::ReadMin, {13}) + idRequest(P::ReadMax, {13}) + idRequest(P::ReadPhysic, {13, 562}));
        QVERIFY(client.waitValue(13, Parameters::KindMin, &value));
        QCOMPARE(value, bitsFromFloat(1.5f));
        QVERIFY(client.waitValue(13, Parameters::KindMax, &value));
        QCOMPARE(value, bitsFromFloat(98.25f));
        QVERIFY(client.waitValue(13, Parameters::KindPhysic, &value));
        QCOMPARE(value, bitsFromFloat(float(s.parameters.getPhysic(13))));
        QVERIFY(client.waitValue(562, Parameters::KindPhysic, &value));
        QCOMPARE(floatFromBits(value), float(s.parameters.getPhysic(562)));
        QVERIFY(!client.malformed());
    }

    void writeReachesTheControllerOnce()
    {
        ModelLink& l = m_station->link;
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        QVERIFY(client.ready());
        const int before = l.writesOf(15);
        client.send(writeRequest(15, bitsFromFloat(3.0f), 1));
        // The controller reports the new value back to every client.
        QVERIFY(client.waitCount(valueIs(15, 2, bitsFromFloat(3.0f)), 1));
        QCOMPARE(l.writesOf(15), before + 1);
        const ControllerModel::WriteRecord last = l.model.writes().last();
        QCOMPARE(last.id, quint16(15));
        QCOMPARE(last.raw, bitsFromFloat(3.0f));
        QCOMPARE(last.flag, quint8(1));
    }

    void broadcastsReachEveryClient()
    {
        ModelLink& l = m_station->link;
        BlockClient clients[2];
        BlockClient& a = clients[0];
        BlockClient& b = clients[1];
        for (BlockClient& c : clients) {
            QVERIFY(c.connectTo(m_port));
            QVERIFY(c.ready());
        }
        // Values and limits the link reads.
        QVERIFY(l.model.setFloat(16, 0.75f));
        QVERIFY(l.model.setMax(16, 5.0f));
        for (BlockClient& c : clients) {
            QVERIFY(c.waitCount(valueIs(16, 2, bitsFromFloat(0.75f)), 1));
            QVERIFY(c.waitCount(valueIs(16, 8, bitsFromFloat(5.0f)), 1));
        }
        // An event as the link announces it, and again when one client asks for it.
        const QByteArray record = eventRecord(70001, 11);
        const quint32 address = l.model.addEvent(record);
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(eventOf(record), 1));
        a.send(addressRequest({address}));
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(eventOf(record), 2));
        // Archives asked for by one client.
        QByteArray data(300, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 7);
        QVERIFY(l.model.setArchive(ControllerModel::CmdReadArchive, data));
        QVERIFY(l.model.setArchive(ControllerModel::CmdReadArchiveCompressed, data.left(40)));
        a.send(archiveRequest(P::ReadArchive, archiveHeader(1, 10, 100)));
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(archiveOf(7, echoed(archiveHeader(1, 10, 100), 100), data.mid(10, 100)), 1));
        b.send(archiveRequest(P::ReadArchiveCompressed, archiveHeader(2, 0, 100)));
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(archiveOf(9, echoed(archiveHeader(2, 0, 100), 40), data.left(40)), 1));
        // The link lost and back.
        auto link = [](quint32 state) {
            return [=](const Reply& r) { return r.command == 8 && r.kind == 0 && r.value == state; };
        };
        l.model.setFault(ControllerModel::Fault::Silent);
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(link(0), 1, 60000));
        l.model.setFault(ControllerModel::Fault::None);
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(link(1), 1, 60000));
        // One client's request is answered to that client alone.
        a.clear();
        b.clear();
        a.send(idRequest(P::ReadValues, {17}));
        QVERIFY(a.waitCount(valueOf(17), 1));
        b.send(idRequest(P::ReadValues, {22}));
        QVERIFY(b.waitCount(valueOf(22), 1));
        QCOMPARE(b.count(valueOf(17)), 0);
        QVERIFY(!a.malformed() && !b.malformed());
    }

    void blocksCutAndJoinedByTcp()
    {
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // One block a byte at a time: answered once, when whole.
        for (char byte : idRequest(P::ReadValues, {13, 14, 15})) {
            client.send(QByteArray(1, byte));
            QTest::qWait(2);
        }
        // Three blocks in one segment: all answered.
        client.send(idRequest(P::ReadValues, {16}) + idRequest(P::ReadMax, {16}) + idRequest(P::ReadValues, {17}));
        QVERIFY(client.waitCount(valueOf(17), 1));
        QCOMPARE(client.replies().size(), 6);
        for (quint16 id : {13, 14, 15})
            QCOMPARE(client.count(valueOf(id)), 1);
        QCOMPARE(client.count(valueOf(16, Parameters::KindMax)), 1);
        // A block split in its size field, its body and across the next one.
        const QByteArray two = idRequest(P::ReadValues, {22}) + idRequest(P::ReadValues, {32});
        for (const QByteArray& chunk : {two.left(1), two.mid(1, 3), two.mid(4, 5), two.mid(9)}) {
            client.send(chunk);
            QTest::qWait(20);
        }
        QVERIFY(client.waitCount(valueOf(32), 1));
        QCOMPARE(client.count(valueOf(22)), 1);
    }

    // Each is followed by an archive request, answered through the driver
    // once everything before it is done.
    void malformedBlocksAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("answers");
        const QByteArray inner = idRequest(P::ReadValues, {13});
        const QByteArray write = writeRequest(17, bitsFromFloat(4.0f), 1);
        QTest::newRow("size 0") << rawBlock(0, QByteArray()) << 0;
        QTest::newRow("size 1") << rawBlock(1, QByteArray(1, '\0')) << 0;
        QTest::newRow("short blocks joined") << rawBlock(0, {}) + rawBlock(1, "x") + rawBlock(0, {}) << 0;
        QTest::newRow("link state request")
            << serviceRequest(P::LinkState, [](QDataStream& out) { out << quint16(1) << qint32(1); }) << 0;
        QTest::newRow("odd id payload: whole ids") << rawBlock(5, be16(0) + be16(13) + QByteArray(1, '\0')) << 1;
        QTest::newRow("no ids") << rawBlock(2, be16(0)) << 0;
        // Payloads that would read as requests if the stream lost its place.
        for (quint16 command : {quint16(3), quint16(4), quint16(11), quint16(42), quint16(0xFFFF)})
            QTest::newRow(qPrintable(QStringLiteral("unknown command %1").arg(command)))
                << rawBlock(quint16(2 + inner.size()), be16(command) + inner) << 0;
        QTest::newRow("write too short") << rawBlock(8, be16(2) + write.mid(4, 6)) << 0;
        QTest::newRow("write too long")
            << rawBlock(quint16(write.size() - 2 + 4), write.mid(2) + be16(4) + be16(0)) << 0;
        const QByteArray overlong = be16(P::ReadArchive) + QByteArray("\x00\x00\x03\xE8", 4) + archiveHeader(7, 0, 1);
        QTest::newRow("archive array past its block") << rawBlock(quint16(overlong.size()), overlong) << 0;
        QTest::newRow("archive array without count")
            << rawBlock(4, be16(P::ReadArchiveCompressed) + QByteArray(2, '\0')) << 0;
    }

    void malformedBlocksAreSkipped()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, answers);
        ModelLink& l = m_station->link;
        QVERIFY(l.model.setArchive(ControllerModel::CmdReadArchive, QByteArray(64, 'd')));
        const int writes = l.model.writes().size();
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        client.send(bytes + archiveRequest(P::ReadArchive, archiveHeader(8, 0, 2)));
        QVERIFY(client.waitCount(archiveOf(7, echoed(archiveHeader(8, 0, 2), 2), "dd"), 1));
        QCOMPARE(client.replies().size(), answers + 1);
        QCOMPARE(client.count(valueOf(13)), answers);
        QCOMPARE(l.model.writes().size(), writes);
        QVERIFY(!client.malformed());
    }

    void archiveRequestsAreMadeFifteenBytes()
    {
        QByteArray data(64, 'd');
        QVERIFY(m_station->link.model.setArchive(ControllerModel::CmdReadArchive, data));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // Short: padded with zeros (the controller echoes the request as the
        // header, its count field filled in); long: cut; null: 15 zero bytes.
        const QByteArray shortRequest("\x05\x00\x00\x02", 4);
        client.send(archiveRequest(P::ReadArchive, shortRequest));
        client.send(archiveRequest(P::ReadArchive, archiveHeader(6, 4, 8) + QByteArray(10, '\x7F')));
        client.send(archiveRequest(P::ReadArchive, QByteArray()));
        QVERIFY(client.waitCount([](const Reply& r) { return r.command == 7; }, 3));
        QCOMPARE(client.replies().at(0).first.left(11), shortRequest + QByteArray(7, '\0'));
        QCOMPARE(client.replies().at(0).first.size(), 15);
        QCOMPARE(client.replies().at(1).first, echoed(archiveHeader(6, 4, 8), 8));
        QCOMPARE(client.replies().at(1).second, data.mid(4, 8));
        QCOMPARE(client.replies().at(2).first, QByteArray(15, '\0'));
    }

    void eventRequestsAreCapped()
    {
        ModelLink& l = m_station->link;
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        QVERIFY(client.ready());
        const QByteArray first = eventRecord(80001, 21);
        const QByteArray second = eventRecord(80002, 22);
        const quint32 a1 = l.model.addEvent(first);
        const quint32 a2 = l.model.addEvent(second);
        QVERIFY(client.waitCount(eventOf(second), 1));
        client.clear();
        client.send(addressRequest(QVector<quint32>(2000, a1)));
        client.send(addressRequest({a2}));
        QVERIFY(client.waitCount(eventOf(second), 1, 120000));
        QCOMPARE(client.count(eventOf(first)), P::MaxEventAddresses);
        // Trailing bytes after whole addresses are ignored.
        client.send(rawBlock(2 + 4 + 3, be16(1) + QByteArray("\x00\x00", 2) + be16(quint16(a2)) + "abc"));
        QVERIFY(client.waitCount(eventOf(second), 2, 60000));
    }

    void connectionsAreCapped()
    {
        std::vector<std::unique_ptr<BlockClient>> clients;
        for (int i = 0; i < TcpServer::MaxConnections; ++i) {
            clients.emplace_back(new BlockClient);
            QVERIFY(clients.back()->connectTo(m_port));
        }
        QVERIFY(waitFor([this] { return m_server->connectionCount() == TcpServer::MaxConnections; }));
        BlockClient extra;
        QVERIFY(extra.connectTo(m_port));
        QVERIFY(waitFor([&] { return extra.socket().state() == QAbstractSocket::UnconnectedState; }));
        QCOMPARE(m_server->connectionCount(), TcpServer::MaxConnections);
        // Every admitted client is still served.
        for (auto& c : clients)
            c->send(idRequest(P::ReadValues, {13}));
        for (auto& c : clients)
            QVERIFY(c->waitCount(valueOf(13), 1));
        // A place freed is a place for the next client.
        clients.pop_back();
        QVERIFY(waitFor([this] { return m_server->connectionCount() == TcpServer::MaxConnections - 1; }));
        BlockClient next;
        QVERIFY(next.connectTo(m_port));
        next.send(idRequest(P::ReadValues, {14}));
        QVERIFY(next.waitCount(valueOf(14), 1));
    }

    void slowReaderGetsEveryAnswer()
    {
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // The client reads nothing at first: the server holds its requests
        // back rather than piling up answers or dropping it.
        client.socket().setReadBufferSize(1024);
        const int requests = 12;
        QVector<quint16> ids(30000);
        for (int i = 0; i < ids.size(); ++i)
            ids[i] = quint16(13 + (i % 3));
        for (int i = 0; i < requests; ++i)
            client.send(idRequest(P::ReadValues, ids));
        QTest::qWait(500);
        QCOMPARE(m_server->connectionCount(), 1);
        BlockClient other;
        QVERIFY(other.connectTo(m_port));
        other.send(idRequest(P::ReadValues, {22}));
        QVERIFY(other.waitCount(valueOf(22), 1));
        // Now it reads: every answer arrives.
        client.socket().setReadBufferSize(0);
        int received = 0;
        QVERIFY(waitFor(
            [&] {
                received += client.replies().size();
                client.clear();
                return received >= requests * ids.size();
            },
            120000));
        QCOMPARE(received, requests * ids.size());
        QCOMPARE(m_server->connectionCount(), 2);
    }

    void clientThatNeverReadsIsDisconnected()
    {
        // A driver of our own, so the test can make the link's traffic.
        SpiDriver driver(nullptr, false);
        TcpServer server(nullptr, 0, &m_station->parameters, &driver);
        const int fd = deafClient(server.serverPort());
        QVERIFY(fd >= 0);
        BlockClient reader;
        QVERIFY(reader.connectTo(server.serverPort()));
        QVERIFY(reader.ready());
        QVERIFY(waitFor([&] { return server.connectionCount() == 2; }));
        const QByteArray header = archiveHeader(1, 0, 4000);
        const QByteArray data(4000, 'a');
        int sent = 0;
        int read = 0;
        auto readAll = [&] {
            read += reader.replies().size();
            reader.clear();
        };
        QVERIFY(waitFor(
            [&] {
                for (int i = 0; i < 100; ++i)
                    emit driver.signalLogRead(header, data);
                sent += 100;
                readAll();
                return server.connectionCount() == 1 || sent > 40000;
            },
            120000));
        ::close(fd);
        QCOMPARE(server.connectionCount(), 1);
        // The client that reads got everything and is still served.
        QVERIFY(waitFor([&] {
            readAll();
            return read == sent;
        }));
        reader.send(idRequest(P::ReadValues, {13}));
        QVERIFY(reader.waitCount(valueOf(13), 1));
        QVERIFY(!reader.malformed());
    }

    void deletingTheServerJoinsItsConnections()
    {
        SpiDriver driver(nullptr, false);
        auto* server = new TcpServer(nullptr, 0, &m_station->parameters, &driver);
        const quint16 port = server->serverPort();
        BlockClient a, b;
        QVERIFY(a.connectTo(port));
        QVERIFY(b.connectTo(port));
        const int fd = deafClient(port);
        QVERIFY(fd >= 0);
        QVERIFY(waitFor([&] { return server->connectionCount() == 3; }));
        // Busy connections: one answering a long request, one full of updates.
        a.send(idRequest(P::ReadValues, QVector<quint16>(30000, 13)));
        for (int i = 0; i < 300; ++i)
            emit driver.signalLogRead(QByteArray(15, '\0'), QByteArray(4000, 'x'));
        delete server;
        for (BlockClient* c : {&a, &b})
            QVERIFY(waitFor([&] { return c->socket().state() == QAbstractSocket::UnconnectedState; }));
        ::close(fd);
        // Nothing is listening any more.
        QTcpSocket late;
        late.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(!late.waitForConnected(2000) || late.waitForDisconnected(5000));
    }
};

QTEST_GUILESS_MAIN(TestServiceServer)
#include "tst_service_server.moc"
