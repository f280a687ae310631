// The service server on a free port, with real TCP clients, against the store
// and the SPI driver talking to the in-process controller: every request and
// reply, blocks cut and joined by TCP, broadcasts to several clients, blocks
// a hostile client might send, the connection cap, a client that does not
// read, and stopping with clients connected.
#include "controller_model.h"
#include "model_transport.h"
#include "parameters.h"
#include "rawbits.h"
#include "server.h"
#include "serviceblockparser.h"
#include "spidriver.h"
#include "spithread.h"
#include "test_database.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QTcpSocket>
#include <QtTest>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Runs the event loop until cond holds; false after timeoutMs.
bool waitFor(const std::function<bool()>& cond, int timeoutMs = 30000)
{
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(5);
    }
    return true;
}

// --- requests as a service program writes them (QDataStream version 7) --------

template <typename Fill>
QByteArray request(quint16 command, Fill fill)
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_4_0);
    out << quint16(0) << command;
    fill(out);
    out.device()->seek(0);
    out << quint16(block.size() - 2);
    return block;
}

QByteArray idRequest(quint16 command, const QVector<quint16>& ids)
{
    return request(command, [&](QDataStream& out) {
        for (quint16 id : ids)
            out << id;
    });
}

QByteArray addressRequest(const QVector<quint32>& addresses)
{
    return request(ServiceBlockParser::ReadEvents, [&](QDataStream& out) {
        for (quint32 a : addresses)
            out << a;
    });
}

QByteArray writeRequest(quint16 id, quint32 value, qint32 flag)
{
    return request(ServiceBlockParser::WriteValue, [&](QDataStream& out) { out << id << qint32(value) << flag; });
}

QByteArray archiveRequest(quint16 command, const QByteArray& array)
{
    return request(command, [&](QDataStream& out) { out << array; });
}

// Any bytes after a size field: for blocks a proper client never sends.
QByteArray rawBlock(quint16 size, const QByteArray& body)
{
    QByteArray block;
    block.append(char(size >> 8)).append(char(size & 0xFF)).append(body);
    return block;
}

QByteArray be16(quint16 v)
{
    return QByteArray().append(char(v >> 8)).append(char(v & 0xFF));
}

// An archive request: 3 bytes of selection, offset and count (little-endian),
// 4 bytes the controller fills.
QByteArray archiveHeader(quint8 tag, quint32 offset, quint32 count)
{
    QByteArray h(15, '\0');
    h[0] = char(tag);
    for (int i = 0; i < 4; ++i) {
        h[3 + i] = char((offset >> (8 * i)) & 0xFF);
        h[7 + i] = char((count >> (8 * i)) & 0xFF);
    }
    return h;
}

// The header the controller answers with: the request, its last four bytes
// holding the count of bytes served (little-endian).
QByteArray echoed(QByteArray header, quint32 count)
{
    for (int i = 0; i < 4; ++i)
        header[11 + i] = char((count >> (8 * i)) & 0xFF);
    return header;
}

QByteArray eventRecord(quint32 number, quint8 code)
{
    QByteArray r(21, '\0');
    for (int i = 0; i < 4; ++i)
        r[i] = char((number >> (8 * i)) & 0xFF);
    r[8] = 3;
    r[9] = char(code);
    return r;
}

// --- a client that decodes replies on its own ------------------------------------

struct Reply
{
    quint16 command = 0;
    quint16 id = 0;
    quint32 value = 0;
    quint8 kind = 0;
    QByteArray first;
    QByteArray second;
};

quint16 get16(const QByteArray& b, int at)
{
    return quint16((uchar(b[at]) << 8) | uchar(b[at + 1]));
}

quint32 get32(const QByteArray& b, int at)
{
    return (quint32(uchar(b[at])) << 24) | (quint32(uchar(b[at + 1])) << 16) | (quint32(uchar(b[at + 2])) << 8)
           | quint32(uchar(b[at + 3]));
}

class BlockClient
{
public:
    bool connectTo(quint16 port)
    {
        m_socket.connectToHost(QHostAddress::LocalHost, port);
        return m_socket.waitForConnected(5000);
    }
    void send(const QByteArray& bytes)
    {
        m_socket.write(bytes);
        m_socket.flush();
    }
    QTcpSocket& socket() { return m_socket; }

    // Decodes every whole block received so far; a malformed reply fails.
    const QList<Reply>& replies()
    {
        m_in += m_socket.readAll();
        int pos = 0;
        while (m_in.size() - pos >= 2) {
            const int size = get16(m_in, pos);
            if (m_in.size() - pos < 2 + size)
                break;
            const QByteArray body = m_in.mid(pos + 2, size);
            pos += 2 + size;
            Reply r;
            r.command = get16(body, 0);
            int at = 2;
            auto array = [&](QByteArray* out) {
                const quint32 n = get32(body, at);
                at += 4;
                if (n != 0xFFFFFFFFu) {
                    *out = body.mid(at, int(n));
                    at += int(n);
                }
            };
            switch (r.command) {
            case 3:
                r.id = get16(body, 2);
                r.value = get32(body, 4);
                r.kind = quint8(body[8]);
                at = 9;
                break;
            case 4:
                array(&r.first);
                break;
            case 7:
            case 9:
                array(&r.first);
                array(&r.second);
                break;
            case 8:
                r.kind = quint8(body[2]);
                r.value = get32(body, 3);
                at = 7;
                break;
            default:
                at = -1;
            }
            if (at != size)
                m_malformed = true;
            m_replies.append(r);
        }
        m_in.remove(0, pos);
        return m_replies;
    }
    // Returns once the server has set the connection up (it answers), with
    // nothing received kept.
    bool ready()
    {
        send(idRequest(ServiceBlockParser::ReadValues, {13}));
        const bool ok = waitCount([](const Reply& r) { return r.command == 3 && r.id == 13; }, 1);
        clear();
        return ok;
    }
    bool malformed() const { return m_malformed; }
    void clear()
    {
        replies();
        m_replies.clear();
    }

    int count(const std::function<bool(const Reply&)>& match)
    {
        int n = 0;
        for (const Reply& r : replies())
            if (match(r))
                ++n;
        return n;
    }
    bool waitCount(const std::function<bool(const Reply&)>& match, int wanted, int timeoutMs = 30000)
    {
        return waitFor([&] { return count(match) >= wanted; }, timeoutMs);
    }
    // The first value reply for (id, kind) received, waiting for it.
    bool waitValue(quint16 id, quint8 kind, quint32* value, int timeoutMs = 30000)
    {
        auto match = [&](const Reply& r) { return r.command == 3 && r.id == id && r.kind == kind; };
        if (!waitCount(match, 1, timeoutMs))
            return false;
        for (const Reply& r : replies())
            if (match(r)) {
                *value = r.value;
                return true;
            }
        return false;
    }

private:
    QTcpSocket m_socket;
    QByteArray m_in;
    QList<Reply> m_replies;
    bool m_malformed = false;
};

std::function<bool(const Reply&)> valueOf(quint16 id, quint8 kind = Parameters::KindValue)
{
    return [=](const Reply& r) { return r.command == 3 && r.id == id && r.kind == kind; };
}

std::function<bool(const Reply&)> eventOf(const QByteArray& record)
{
    return [=](const Reply& r) { return r.command == 4 && r.first == record; };
}

// A client with a tiny receive window that never reads.
int deafClient(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    const int small = 4096;
    ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The store and a driver in its own thread against one in-process controller,
// synchronised as at the program's start.
struct Station
{
    ControllerModel model;
    Parameters parameters;
    SpiThread* thread = new SpiThread;
    SpiDriver* driver = nullptr;

    Station()
    {
        model.loadDatabase();
        model.loadSeed(QStringLiteral(VRX_SOURCE_DIR "/emulator/seed.csv"));
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        driver = new SpiDriver(thread, false);
        driver->setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(&model)));
        driver->setPeers(&parameters, nullptr);
        driver->moveToThread(thread);
    }
    ~Station()
    {
        thread->requestInterruption();
        thread->exit(0);
        thread->wait(10000);
        delete thread;
    }
    int writesOf(quint16 id) const
    {
        int n = 0;
        for (const ControllerModel::WriteRecord& w : model.writes())
            if (w.id == id)
                ++n;
        return n;
    }
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
        m_station->thread->start(QThread::LowPriority);
        QVERIFY(end.wait(60000));
        m_server = new TcpServer(nullptr, 0, &m_station->parameters, m_station->driver);
        QVERIFY(m_server->isListening());
        m_port = m_server->serverPort();
    }

    void cleanupTestCase()
    {
        delete m_server;
        delete m_station;
        delete m_db;
    }

    void cleanup()
    {
        // Every test's clients are gone before the next one counts.
        QVERIFY(waitFor([this] { return m_server->connectionCount() == 0; }));
    }

    void readValuesAnswersEachIdFromTheStore()
    {
        Station& s = *m_station;
        QVERIFY(s.model.setFloat(13, 7.0f));
        QVERIFY(waitFor([&] { return s.parameters.get(13) == 7.0f; }));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        const QByteArray twoIds = idRequest(ServiceBlockParser::ReadValues, {13, 14});
        QCOMPARE(twoIds.size(), 2 + 6);
        QCOMPARE(get16(twoIds, 0), quint16(6));
        client.send(twoIds);
        client.send(idRequest(ServiceBlockParser::ReadValues, {15}));
        QVERIFY(client.waitCount(valueOf(15), 1));
        QCOMPARE(client.count(valueOf(13)), 1);
        QCOMPARE(client.count(valueOf(14)), 1);
        QCOMPARE(client.replies().size(), 3);
        QCOMPARE(client.replies().at(0).id, quint16(13));
        QCOMPARE(client.replies().at(0).value, bitsFromFloat(7.0f));
        QCOMPARE(client.replies().at(1).value, s.parameters.getU32(14));
        QCOMPARE(client.replies().at(2).value, s.parameters.getU32(15));
        QVERIFY(!client.malformed());

        // An id the store does not know reads as the store's unknown value.
        QVERIFY(!s.parameters.getParameter(5000));
        quint32 value = 1;
        client.send(idRequest(ServiceBlockParser::ReadValues, {5000}));
        QVERIFY(client.waitValue(5000, Parameters::KindValue, &value));
        QCOMPARE(value, s.parameters.getU32(5000));
    }

    void limitsAndQuantityCarryTheirKind()
    {
        Station& s = *m_station;
        QVERIFY(s.model.setMin(13, 1.5f));
        QVERIFY(s.model.setMax(13, 98.25f));
        QVERIFY(waitFor([&] { return s.parameters.getMin(13) == 1.5f && s.parameters.getMax(13) == 98.25f; }));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        client.send(idRequest(ServiceBlockParser::ReadMin, {13}) + idRequest(ServiceBlockParser::ReadMax, {13})
                    + idRequest(ServiceBlockParser::ReadPhysic, {13, 562}));
        quint32 value = 0;
        QVERIFY(client.waitValue(13, Parameters::KindMin, &value));
        QCOMPARE(value, bitsFromFloat(1.5f));
        QVERIFY(client.waitValue(13, Parameters::KindMax, &value));
        QCOMPARE(value, bitsFromFloat(98.25f));
        QVERIFY(client.waitValue(13, Parameters::KindPhysic, &value));
        QCOMPARE(value, bitsFromFloat(float(s.parameters.getPhysic(13))));
        QVERIFY(client.waitValue(562, Parameters::KindPhysic, &value));
        QCOMPARE(floatFromBits(value), float(s.parameters.getPhysic(562)));
        QCOMPARE(s.parameters.getPhysic(562), 1u);
    }

    void writeReachesTheControllerOnce()
    {
        Station& s = *m_station;
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        QVERIFY(client.ready());
        const int before = s.writesOf(15);
        client.send(writeRequest(15, bitsFromFloat(3.0f), 1));
        // The controller reports the new value back to every client.
        QVERIFY(client.waitCount(
            [](const Reply& r) { return r.command == 3 && r.id == 15 && r.kind == 2 && r.value == bitsFromFloat(3.0f); },
            1));
        QCOMPARE(s.writesOf(15), before + 1);
        const ControllerModel::WriteRecord last = s.model.writes().last();
        QCOMPARE(last.id, quint16(15));
        QCOMPARE(last.raw, bitsFromFloat(3.0f));
        QCOMPARE(last.flag, quint8(1));
        QCOMPARE(s.model.raw(15), bitsFromFloat(3.0f));
    }

    void everyUpdateReachesEveryClient()
    {
        Station& s = *m_station;
        BlockClient a, b;
        QVERIFY(a.connectTo(m_port));
        QVERIFY(b.connectTo(m_port));
        QVERIFY(a.ready());
        QVERIFY(b.ready());
        QVERIFY(s.model.setFloat(16, 0.75f));
        QVERIFY(s.model.setMax(16, 5.0f));
        for (BlockClient* c : {&a, &b}) {
            QVERIFY(c->waitCount(
                [](const Reply& r) { return r.command == 3 && r.id == 16 && r.kind == 2 && r.value == bitsFromFloat(0.75f); },
                1));
            QVERIFY(c->waitCount(
                [](const Reply& r) { return r.command == 3 && r.id == 16 && r.kind == 8 && r.value == bitsFromFloat(5.0f); },
                1));
        }
        // One client's request is answered to that client alone.
        a.clear();
        b.clear();
        a.send(idRequest(ServiceBlockParser::ReadValues, {17}));
        QVERIFY(a.waitCount(valueOf(17), 1));
        b.send(idRequest(ServiceBlockParser::ReadValues, {22}));
        QVERIFY(b.waitCount(valueOf(22), 1));
        QCOMPARE(b.count(valueOf(17)), 0);
    }

    void eventsReachEveryClient()
    {
        Station& s = *m_station;
        BlockClient a, b;
        QVERIFY(a.connectTo(m_port));
        QVERIFY(b.connectTo(m_port));
        QVERIFY(a.ready());
        QVERIFY(b.ready());
        const QByteArray record = eventRecord(70001, 11);
        const quint32 address = s.model.addEvent(record);
        QVERIFY(a.waitCount(eventOf(record), 1));
        QVERIFY(b.waitCount(eventOf(record), 1));
        // Asked for by one client, the record reaches both.
        a.send(addressRequest({address}));
        QVERIFY(a.waitCount(eventOf(record), 2));
        QVERIFY(b.waitCount(eventOf(record), 2));
        QVERIFY(!a.malformed() && !b.malformed());
    }

    void archivesReachEveryClient()
    {
        Station& s = *m_station;
        QByteArray data(300, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 7);
        QVERIFY(s.model.setArchive(ControllerModel::CmdReadArchive, data));
        QVERIFY(s.model.setArchive(ControllerModel::CmdReadArchiveCompressed, data.left(40)));
        BlockClient a, b;
        QVERIFY(a.connectTo(m_port));
        QVERIFY(b.connectTo(m_port));
        QVERIFY(a.ready());
        QVERIFY(b.ready());

        a.send(archiveRequest(ServiceBlockParser::ReadArchive, archiveHeader(1, 10, 100)));
        auto log = [](const Reply& r) { return r.command == 7; };
        QVERIFY(a.waitCount(log, 1));
        QVERIFY(b.waitCount(log, 1));
        for (BlockClient* c : {&a, &b}) {
            const Reply& r = c->replies().last();
            QCOMPARE(r.first, echoed(archiveHeader(1, 10, 100), 100));
            QCOMPARE(r.second, data.mid(10, 100));
        }

        b.send(archiveRequest(ServiceBlockParser::ReadArchiveCompressed, archiveHeader(2, 0, 100)));
        auto compressed = [](const Reply& r) { return r.command == 9; };
        QVERIFY(a.waitCount(compressed, 1));
        QVERIFY(b.waitCount(compressed, 1));
        for (BlockClient* c : {&a, &b}) {
            const Reply& r = c->replies().last();
            QCOMPARE(r.first, echoed(archiveHeader(2, 0, 100), 40));
            QCOMPARE(r.second, data.left(40));
        }
        QVERIFY(!a.malformed() && !b.malformed());
    }

    void linkLossAndRecoveryReachEveryClient()
    {
        Station& s = *m_station;
        BlockClient a, b;
        QVERIFY(a.connectTo(m_port));
        QVERIFY(b.connectTo(m_port));
        QVERIFY(a.ready());
        QVERIFY(b.ready());
        auto link = [](quint32 state) {
            return [=](const Reply& r) { return r.command == 8 && r.kind == 0 && r.value == state; };
        };
        s.model.setFault(ControllerModel::Fault::Silent);
        QVERIFY(a.waitCount(link(0), 1, 60000));
        QVERIFY(b.waitCount(link(0), 1, 60000));
        s.model.setFault(ControllerModel::Fault::None);
        QVERIFY(a.waitCount(link(1), 1, 60000));
        QVERIFY(b.waitCount(link(1), 1, 60000));
        QVERIFY(!a.malformed() && !b.malformed());
    }

    void blocksCutAndJoinedByTcp()
    {
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // One block a byte at a time: answered once, when whole.
        const QByteArray block = idRequest(ServiceBlockParser::ReadValues, {13, 14, 15});
        for (char byte : block) {
            client.send(QByteArray(1, byte));
            QTest::qWait(2);
        }
        // Three blocks in one segment: all answered.
        client.send(idRequest(ServiceBlockParser::ReadValues, {16}) + idRequest(ServiceBlockParser::ReadMax, {16})
                    + idRequest(ServiceBlockParser::ReadValues, {17}));
        QVERIFY(client.waitCount(valueOf(17), 1));
        QCOMPARE(client.replies().size(), 6);
        QCOMPARE(client.count(valueOf(13)), 1);
        QCOMPARE(client.count(valueOf(14)), 1);
        QCOMPARE(client.count(valueOf(15)), 1);
        QCOMPARE(client.count(valueOf(16, Parameters::KindMax)), 1);
        // A block split in its size field, its body and across the next one.
        const QByteArray two = idRequest(ServiceBlockParser::ReadValues, {22}) + idRequest(ServiceBlockParser::ReadValues, {32});
        client.send(two.left(1));
        QTest::qWait(20);
        client.send(two.mid(1, 3));
        QTest::qWait(20);
        client.send(two.mid(4, 5));
        QTest::qWait(20);
        client.send(two.mid(9));
        QVERIFY(client.waitCount(valueOf(32), 1));
        QCOMPARE(client.count(valueOf(22)), 1);
    }

    void requestEightIsReadAndDropped()
    {
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        client.send(request(ServiceBlockParser::LinkState, [](QDataStream& out) { out << quint16(1) << qint32(1); }));
        client.send(idRequest(ServiceBlockParser::ReadValues, {13}));
        QVERIFY(client.waitCount(valueOf(13), 1));
        QCOMPARE(client.replies().size(), 1);
    }

    void sizesUnderTwoAreSkipped()
    {
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        client.send(rawBlock(0, QByteArray()));
        client.send(idRequest(ServiceBlockParser::ReadValues, {13}));
        QVERIFY(client.waitCount(valueOf(13), 1));
        client.send(rawBlock(1, QByteArray(1, '\0')));
        client.send(idRequest(ServiceBlockParser::ReadValues, {14}));
        QVERIFY(client.waitCount(valueOf(14), 1));
        // Several at once, joined to a good one.
        client.send(rawBlock(0, QByteArray()) + rawBlock(1, "x") + rawBlock(0, QByteArray())
                    + idRequest(ServiceBlockParser::ReadValues, {15}));
        QVERIFY(client.waitCount(valueOf(15), 1));
        QCOMPARE(client.replies().size(), 3);
    }

    void oddIdPayloadAnswersWholeIds()
    {
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // size 5: the command, id 13 and one byte more.
        client.send(rawBlock(5, be16(0) + be16(13) + QByteArray(1, '\x00')));
        client.send(idRequest(ServiceBlockParser::ReadValues, {14}));
        QVERIFY(client.waitCount(valueOf(14), 1));
        QCOMPARE(client.count(valueOf(13)), 1);
        QCOMPARE(client.replies().size(), 2);
        // No ids at all: nothing to answer.
        client.send(rawBlock(2, be16(0)) + idRequest(ServiceBlockParser::ReadValues, {15}));
        QVERIFY(client.waitCount(valueOf(15), 1));
        QCOMPARE(client.replies().size(), 3);
    }

    void unknownCommandsAreSkippedWhole()
    {
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        // Payloads that would read as requests if the stream lost its place.
        const QByteArray inner = idRequest(ServiceBlockParser::ReadValues, {13});
        for (quint16 command : {quint16(3), quint16(4), quint16(11), quint16(42), quint16(0xFFFF)}) {
            client.send(rawBlock(quint16(2 + inner.size()), be16(command) + inner));
            client.send(idRequest(ServiceBlockParser::ReadValues, {14}));
        }
        QVERIFY(client.waitCount(valueOf(14), 5));
        QCOMPARE(client.count(valueOf(13)), 0);
        QCOMPARE(client.replies().size(), 5);
    }

    void writesOfTheWrongSizeAreSkipped()
    {
        Station& s = *m_station;
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        const int before = s.writesOf(17);
        const QByteArray good = writeRequest(17, bitsFromFloat(4.0f), 1);
        // Too short, and too long (the surplus would start a next block).
        client.send(rawBlock(8, be16(2) + good.mid(4, 6)));
        client.send(rawBlock(quint16(good.size() - 2 + 4), good.mid(2) + be16(4) + be16(0)));
        client.send(idRequest(ServiceBlockParser::ReadValues, {13}));
        QVERIFY(client.waitCount(valueOf(13), 1));
        QCOMPARE(client.replies().size(), 1);
        // A good write after them is the only one that reaches the controller.
        client.send(writeRequest(17, bitsFromFloat(6.0f), 1));
        QVERIFY(client.waitCount(
            [](const Reply& r) { return r.command == 3 && r.id == 17 && r.value == bitsFromFloat(6.0f); }, 1));
        QCOMPARE(s.writesOf(17), before + 1);
    }

    void archiveRequestsAreMadeFifteenBytes()
    {
        Station& s = *m_station;
        QByteArray data(64, 'd');
        QVERIFY(s.model.setArchive(ControllerModel::CmdReadArchive, data));
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        auto log = [](const Reply& r) { return r.command == 7; };

        // Short: padded with zeros (the controller echoes the request as the
        // header, its count field filled in).
        client.send(archiveRequest(ServiceBlockParser::ReadArchive, QByteArray("\x05\x00\x00\x02", 4)));
        QVERIFY(client.waitCount(log, 1));
        QCOMPARE(client.replies().last().first.left(11), QByteArray("\x05\x00\x00\x02", 4) + QByteArray(7, '\0'));
        QCOMPARE(client.replies().last().first.size(), 15);

        // Long: cut to the first 15 bytes.
        QByteArray longRequest = archiveHeader(6, 4, 8) + QByteArray(10, '\x7F');
        client.send(archiveRequest(ServiceBlockParser::ReadArchive, longRequest));
        QVERIFY(client.waitCount(log, 2));
        QCOMPARE(client.replies().last().first, echoed(archiveHeader(6, 4, 8), 8));
        QCOMPARE(client.replies().last().second, data.mid(4, 8));

        // A null array: 15 zero bytes.
        client.send(archiveRequest(ServiceBlockParser::ReadArchive, QByteArray()));
        QVERIFY(client.waitCount(log, 3));
        QCOMPARE(client.replies().last().first, QByteArray(15, '\0'));

        // An array longer than its block, and one with no count at all: skipped.
        QByteArray overlong = be16(ServiceBlockParser::ReadArchive) + QByteArray("\x00\x00\x03\xE8", 4) + archiveHeader(7, 0, 1);
        client.send(rawBlock(quint16(overlong.size()), overlong));
        client.send(rawBlock(4, be16(ServiceBlockParser::ReadArchiveCompressed) + QByteArray(2, '\0')));
        client.send(idRequest(ServiceBlockParser::ReadValues, {13}));
        QVERIFY(client.waitCount(valueOf(13), 1));
        client.send(archiveRequest(ServiceBlockParser::ReadArchive, archiveHeader(8, 0, 2)));
        QVERIFY(client.waitCount(log, 4));
        QCOMPARE(client.replies().last().first, echoed(archiveHeader(8, 0, 2), 2));
        QCOMPARE(client.count([](const Reply& r) { return r.command == 7 && r.first.at(0) == 7; }), 0);
        QCOMPARE(client.count([](const Reply& r) { return r.command == 9; }), 0);
    }

    void eventRequestsAreCapped()
    {
        Station& s = *m_station;
        BlockClient client;
        QVERIFY(client.connectTo(m_port));
        QVERIFY(client.ready());
        const QByteArray first = eventRecord(80001, 21);
        const QByteArray second = eventRecord(80002, 22);
        const quint32 a1 = s.model.addEvent(first);
        const quint32 a2 = s.model.addEvent(second);
        QVERIFY(client.waitCount(eventOf(second), 1));
        client.clear();
        client.send(addressRequest(QVector<quint32>(2000, a1)));
        client.send(addressRequest({a2}));
        QVERIFY(client.waitCount(eventOf(second), 1, 120000));
        QCOMPARE(client.count(eventOf(first)), ServiceBlockParser::MaxEventAddresses);
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
            c->send(idRequest(ServiceBlockParser::ReadValues, {13}));
        for (auto& c : clients)
            QVERIFY(c->waitCount(valueOf(13), 1));
        // A place freed is a place for the next client.
        clients.pop_back();
        QVERIFY(waitFor([this] { return m_server->connectionCount() == TcpServer::MaxConnections - 1; }));
        BlockClient next;
        QVERIFY(next.connectTo(m_port));
        next.send(idRequest(ServiceBlockParser::ReadValues, {14}));
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
            client.send(idRequest(ServiceBlockParser::ReadValues, ids));
        QTest::qWait(500);
        QCOMPARE(m_server->connectionCount(), 1);
        BlockClient other;
        QVERIFY(other.connectTo(m_port));
        other.send(idRequest(ServiceBlockParser::ReadValues, {22}));
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
        QVERIFY(server.isListening());
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
        QVERIFY(waitFor(
            [&] {
                for (int i = 0; i < 100; ++i)
                    emit driver.signalLogRead(header, data);
                sent += 100;
                read += reader.replies().size();
                reader.clear();
                return server.connectionCount() == 1 || sent > 40000;
            },
            120000));
        ::close(fd);
        QCOMPARE(server.connectionCount(), 1);
        // The client that reads got everything and is still served.
        QVERIFY(waitFor([&] {
            read += reader.replies().size();
            reader.clear();
            return read == sent;
        }));
        reader.send(idRequest(ServiceBlockParser::ReadValues, {13}));
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
        a.send(idRequest(ServiceBlockParser::ReadValues, QVector<quint16>(30000, 13)));
        for (int i = 0; i < 300; ++i)
            emit driver.signalLogRead(QByteArray(15, '\0'), QByteArray(4000, 'x'));
        delete server;
        QVERIFY(waitFor([&] { return a.socket().state() == QAbstractSocket::UnconnectedState; }));
        QVERIFY(waitFor([&] { return b.socket().state() == QAbstractSocket::UnconnectedState; }));
        ::close(fd);
        // Nothing is listening any more.
        QTcpSocket late;
        late.connectToHost(QHostAddress::LocalHost, port);
        QVERIFY(!late.waitForConnected(2000) || late.waitForDisconnected(5000));
    }
};

QTEST_GUILESS_MAIN(TestServiceServer)
#include "tst_service_server.moc"
