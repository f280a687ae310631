// The service server on a free port, with real TCP clients, against the store
// and the SPI driver talking to the in-process controller: replies and their
// kinds, broadcasts to every client, blocks cut and joined by TCP, blocks a
// hostile client might send, clients that read slowly, never, or flood the
// link with requests, and stopping with clients connected.
#include "deaf_client.h"
#include "model_link.h"
#include "rawbits.h"
#include "server.h"
#include "serviceblockparser.h"
#include "service_client.h"
#include "test_database.h"

#include <QtTest>
#include <malloc.h>

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes(); // the sanitizer's runtime
#endif

namespace {

using P = ServiceBlockParser;

QByteArray archiveRequest(quint16 command, const QByteArray& request)
{
    return serviceRequest(command, [&](QDataStream& out) { out << request; });
}

QByteArray eventRequest(quint32 address)
{
    return serviceRequest(P::ReadEvents, [&](QDataStream& out) { out << address; });
}

ReplyMatch replyOf(quint16 command, const QByteArray& first, const QByteArray& second = QByteArray())
{
    return [=](const Reply& r) { return r.command == command && r.first == first && r.second == second; };
}

// Memory the allocator holds for the program: what an unbounded queue grows
// (RSS under the sanitizer also holds freed memory in quarantine).
qint64 memoryInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return qint64(__sanitizer_get_current_allocated_bytes());
#else
    return qint64(mallinfo2().uordblks);
#endif
}

} // namespace

class TestServiceServer : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    ModelStation* m_station = nullptr;
    TcpServer* m_server = nullptr;
    quint16 m_port = 0;

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        QVERIFY(ModelStation::keepParametersBelow(600));
        m_station = new ModelStation;
        QSignalSpy end(&m_station->parameters, &Parameters::signalSyncEnd);
        m_station->link.start();
        QVERIFY2(end.wait(10000), "the first synchronisation");
        m_server = new TcpServer(nullptr, 0, &m_station->parameters, m_station->link.driver);
        m_port = m_server->serverPort();
    }

    void cleanupTestCase()
    {
        delete m_server;
        delete m_station;
        delete m_db;
    }

    void cleanup() { QVERIFY2(waitFor([this] { return m_server->connectionCount() == 0; }), "clients gone"); }

    void repliesFromTheStoreAsTcpDeliversTheBlocks()
    {
        ModelStation& s = *m_station;
        QVERIFY(s.link.model.setMin(13, 1.5f) && s.link.model.setMax(13, 98.25f) && s.link.model.setFloat(13, 7.0f));
        QTRY_VERIFY(s.parameters.get(13) == 7.0f && s.parameters.getMin(13) == 1.5f && s.parameters.getMax(13) == 98.25f);
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // Four blocks in one segment; an id the store does not know reads as 0.
        client.send(idRequest(P::ReadValues, {13, 5000}) + idRequest(P::ReadMin, {13}) + idRequest(P::ReadMax, {13})
                    + idRequest(P::ReadPhysic, {562}));
        QVERIFY(client.waitCount([](const Reply&) { return true; }, 5));
        QList<Reply> r = client.replies();
        QVERIFY(valueIs(13, 2, bitsFromFloat(7.0f))(r.at(0)) && valueIs(5000, 2, 0)(r.at(1)));
        QVERIFY(valueIs(13, 7, bitsFromFloat(1.5f))(r.at(2)) && valueIs(13, 8, bitsFromFloat(98.25f))(r.at(3)));
        QVERIFY(valueIs(562, 15, bitsFromFloat(1.0f))(r.at(4))); // a date-time
        // A byte at a time, then split in the size field, the body and across
        // the next block: each answered once, when whole.
        client.clear();
        const QByteArray two = idRequest(P::ReadValues, {22}) + idRequest(P::ReadMax, {32});
        for (const QByteArray& chunk : {two.left(1), two.mid(1, 1), two.mid(2, 7), two.mid(9, 3), two.mid(12)}) {
            client.send(chunk);
            QTest::qWait(20);
        }
        QVERIFY(client.waitCount(valueIs(32, 8), 1));
        QVERIFY(client.replies().size() == 2 && client.count(valueIs(22)) == 1 && !client.malformed());
    }

    void broadcastsReachEveryClient()
    {
        ControllerModel& model = m_station->link.model;
        BlockClient clients[2];
        for (BlockClient& c : clients)
            QVERIFY(c.connectTo(m_port) && c.ready());
        // A value the link reads, an event it is told of, the same event and
        // the archives asked for by one client or the other.
        QVERIFY(model.setFloat(16, 0.75f) && model.setArchive(ControllerModel::CmdReadArchive, "0123456789")
                && model.setArchive(ControllerModel::CmdReadArchiveCompressed, "abcdef"));
        const quint32 address = model.addEvent(QByteArray(21, '\x44'));
        QByteArray header(15, '\0');
        header[7] = 4; // four bytes from the start
        clients[0].send(eventRequest(address) + archiveRequest(P::ReadArchive, header));
        clients[1].send(archiveRequest(P::ReadArchiveCompressed, header));
        header[11] = 4; // as served
        for (BlockClient& c : clients)
            QVERIFY(c.waitCount(valueIs(16, 2, bitsFromFloat(0.75f)), 1) && c.waitCount(replyOf(4, QByteArray(21, '\x44')), 2)
                    && c.waitCount(replyOf(7, header, "0123"), 1) && c.waitCount(replyOf(9, header, "abcd"), 1));
        // The link lost (21 failed exchanges) and back.
        model.setFault(ControllerModel::Fault::Corrupt, 22);
        for (quint32 state : {0u, 1u})
            for (BlockClient& c : clients)
                QVERIFY(c.waitCount([=](const Reply& r) { return r.command == 8 && r.kind == 0 && r.value == state; }, 1));
        // One client's read is answered to that client alone.
        clients[0].send(idRequest(P::ReadValues, {17}));
        clients[1].send(idRequest(P::ReadMin, {22}));
        QVERIFY(clients[0].waitCount(valueIs(17), 1) && clients[1].waitCount(valueIs(22, 7), 1));
        QVERIFY(clients[1].count(valueIs(17)) == 0 && !clients[0].malformed() && !clients[1].malformed());
    }

    // Each is followed by a read of 14, answered once everything before it is done.
    void malformedBlocksAreSkipped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("answers");
        auto raw = [](quint16 size, const QByteArray& body) { return QByteArray(1, char(size >> 8)) + char(size) + body; };
        const QByteArray inner = idRequest(P::ReadValues, {13});
        const QByteArray write = serviceRequest(P::WriteValue, [](QDataStream& out) { out << quint16(17) << 4 << 1; });
        QTest::newRow("size 0") << raw(0, QByteArray()) + raw(1, "x") << 0;
        QTest::newRow("odd id payload: whole ids") << raw(5, QByteArray("\0\0\0\x0d\0", 5)) << 1;
        // Payloads that would read as requests if the stream lost its place.
        for (quint16 command : {4, 0xFFFF})
            QTest::newRow(qPrintable(QString("command %1").arg(command)))
                << raw(quint16(2 + inner.size()), QByteArray(1, char(command >> 8)) + char(command) + inner) << 0;
        QTest::newRow("write too short") << raw(8, write.mid(2, 8)) << 0;
        const QByteArray longer = write.mid(2) + inner;
        QTest::newRow("write too long") << raw(quint16(longer.size()), longer) << 0;
        QTest::newRow("archive past its block") << raw(21, QByteArray("\0\x07\0\0\x03\xE8", 6) + QByteArray(15, 'a')) << 0;
    }

    void malformedBlocksAreSkipped()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, answers);
        const int writes = m_station->link.model.writes().size();
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        client.send(bytes + idRequest(P::ReadValues, {14}));
        QVERIFY(client.waitCount(valueIs(14), 1));
        QCOMPARE(client.replies().size(), answers + 1);
        QCOMPARE(client.count(valueIs(13)), answers);
        QCOMPARE(m_station->link.model.writes().size(), writes);
        QVERIFY(!client.malformed());
    }

    void slowReaderGetsEveryAnswer()
    {
        BlockClient client, other;
        QVERIFY(client.connectTo(m_port) && other.connectTo(m_port));
        // It reads nothing at first: its requests are held back rather than
        // its answers piling up, and it is not dropped.
        client.socket().setReadBufferSize(1024);
        const QByteArray request = idRequest(P::ReadValues, QVector<quint16>(30000, 13));
        client.send(request + request + request + request);
        other.send(idRequest(P::ReadValues, {22}));
        QVERIFY(other.waitCount(valueIs(22), 1));
        QCOMPARE(m_server->connectionCount(), 2);
        client.socket().setReadBufferSize(0);
        int received = 0;
        QVERIFY2(waitFor([&] {
                     received += client.replies().size();
                     client.clear();
                     return received >= 4 * 30000;
                 }),
                 "every answer");
    }

    // On a server whose driver the test plays: a client that never reads is
    // cut off once too much waits for it, while the others get everything;
    // deleting the server while its connections are busy ends them all.
    void deafClientsAndDeletingTheServer()
    {
        SpiDriver driver(nullptr, false);
        auto* server = new TcpServer(nullptr, 0, &m_station->parameters, &driver);
        BlockClient reader, busy;
        const int deaf[] = {deafClient(server->serverPort()), deafClient(server->serverPort())};
        QVERIFY(reader.connectTo(server->serverPort()) && busy.connectTo(server->serverPort()) && reader.ready());
        QVERIFY(deaf[0] >= 0 && deaf[1] >= 0 && waitFor([&] { return server->connectionCount() == 4; }));
        const QByteArray data(4000, 'a');
        int sent = 0;
        QVERIFY2(waitFor([&] {
                     for (int i = 0; i < 100; ++i, ++sent)
                         emit driver.signalLogRead(QByteArray(15, '\0'), data);
                     reader.replies();
                     busy.replies();
                     return server->connectionCount() == 2 || sent > 40000;
                 }),
                 "the deaf clients cut off");
        QVERIFY(reader.waitCount(replyOf(7, QByteArray(15, '\0'), data), sent) && !reader.malformed());
        ::close(deaf[0]);
        const int late = deafClient(server->serverPort());
        busy.send(idRequest(P::ReadValues, QVector<quint16>(30000, 13)));
        for (int i = 0; i < 300; ++i)
            emit driver.signalLogRead(QByteArray(15, '\0'), data);
        delete server;
        for (BlockClient* c : {&reader, &busy})
            QVERIFY(waitFor([&] { return c->socket().state() == QAbstractSocket::UnconnectedState; }));
        ::close(deaf[1]);
        ::close(late);
    }

    // Writes and archive requests far faster than the link serves them (one
    // request per 15 ms): the driver's queues stop at their caps, and the
    // memory in use stays flat from one flood to the next. Last: the link
    // works the queues off for a few seconds.
    void floodingClientKeepsMemoryFlat()
    {
        const QByteArray write = serviceRequest(P::WriteValue, [](QDataStream& out) { out << quint16(5000) << 1 << 1; });
        const QByteArray flood = write.repeated(100000) + archiveRequest(P::ReadArchive, QByteArray(15, '\0')).repeated(5000);
        QVERIFY(m_station->link.model.setArchive(ControllerModel::CmdReadArchive, QByteArray()));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        const quint32 address = m_station->link.model.addEvent(QByteArray(21, '\x55'));
        qint64 used[2];
        for (int round = 0; round < 2; ++round) {
            // The event asked for last comes back once all before it is queued.
            client.send(flood + eventRequest(address));
            QVERIFY2(client.waitCount(replyOf(4, QByteArray(21, '\x55')), round + 2), "the flood taken");
            used[round] = memoryInUse();
        }
        QVERIFY2(used[1] - used[0] < 512 * 1024, qPrintable(QString("%1 bytes more").arg(used[1] - used[0])));
    }
};

QTEST_GUILESS_MAIN(TestServiceServer)
#include "tst_service_server.moc"
