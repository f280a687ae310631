// The controller emulator: the model driven through its SPI transfers with real
// frames, and the controller_emu program through its control socket and the
// socket transport the program uses.
#include "control_protocol.h"
#include "controller_model.h"
#include "function_thread.h"
#include "rawbits.h"
#include "socketspitransport.h"
#include "spiframe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>

namespace {

using M = ControllerModel;
const quint32 WriteSpeed = 500000;
const quint32 ReadSpeed = 5000000;
const int ReadChunk = 100;

// An unescaped request frame: command, total length, payload, CRC.
QByteArray request(quint8 command, const QByteArray& payload = QByteArray())
{
    QByteArray frame;
    frame.append(static_cast<char>(command));
    frame.append(static_cast<char>((payload.size() + 4) & 0xFF));
    frame.append(payload);
    frame.append(2, '\0');
    SpiFrame::setCrc(reinterpret_cast<quint8*>(frame.data()), frame.size());
    return frame;
}

QByteArray u16(quint16 v)
{
    return QByteArray().append(static_cast<char>(v >> 8)).append(static_cast<char>(v & 0xFF));
}

QByteArray u32(quint32 v)
{
    return u16(static_cast<quint16>(v >> 16)) + u16(static_cast<quint16>(v & 0xFFFF));
}

QByteArray u32le(quint32 v)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return b;
}

quint16 getU16(const QByteArray& b, int at)
{
    return static_cast<quint16>((quint8(b.at(at)) << 8) | quint8(b.at(at + 1)));
}

quint32 getU32(const QByteArray& b, int at)
{
    return (quint32(getU16(b, at)) << 16) | getU16(b, at + 2);
}

quint32 getU32le(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

QByteArray archiveRequest(quint32 offset, quint32 length)
{
    return QByteArray(1, '\0') + QByteArray(2, char(0xFF)) + u32le(offset) + u32le(length) + u32le(length);
}

// One exchange as the program makes it with a model or a transport: the
// whole request at 500 kHz, then 100-byte reads at 5 MHz sending zeros until
// a frame is complete (at most maxReads, or until waitMs passed when given),
// then a 1-byte closing transfer. Returns the unescaped reply, or an empty
// array when none came.
template <typename Link>
QByteArray exchange(Link& link, const QByteArray& frame, int maxReads = 100, int waitMs = 0)
{
    QByteArray wire(2 * frame.size() + 2, '\0');
    wire.resize(SpiFrame::wrap(reinterpret_cast<const quint8*>(frame.constData()), frame.size(),
                               reinterpret_cast<quint8*>(wire.data()), wire.size()));
    QByteArray ignored(wire.size(), '\0');
    if (link.transfer(reinterpret_cast<const quint8*>(wire.constData()), reinterpret_cast<quint8*>(ignored.data()),
                      quint32(wire.size()), WriteSpeed)
        != wire.size())
        return QByteArray();

    SpiFrame::Scanner scanner;
    const quint8 zeros[ReadChunk] = {};
    quint8 rx[ReadChunk];
    QElapsedTimer timer;
    timer.start();
    for (int reads = 0; scanner.state() != SpiFrame::Scanner::Complete; ++reads) {
        if (waitMs > 0 ? timer.elapsed() > waitMs : reads >= maxReads)
            break;
        if (link.transfer(zeros, rx, ReadChunk, ReadSpeed) != ReadChunk)
            return QByteArray();
        if (scanner.feed(rx, ReadChunk) == SpiFrame::Scanner::Overflow)
            break;
        if (waitMs > 0 && scanner.state() == SpiFrame::Scanner::Searching)
            QThread::msleep(2);
    }
    link.transfer(zeros, rx, 1, ReadSpeed);
    if (scanner.state() != SpiFrame::Scanner::Complete)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(scanner.frame()), scanner.length());
}

bool crcOk(const QByteArray& reply)
{
    return SpiFrame::checkCrc(reinterpret_cast<const quint8*>(reply.constData()), reply.size());
}

QByteArray payloadOf(const QByteArray& reply)
{
    return reply.mid(5, reply.size() - 7);
}

quint8 noticeOf(const QByteArray& reply)
{
    return quint8(reply.at(3));
}

// A model with a few known parameters, its clock and wire time stopped.
struct KnownModel : ControllerModel
{
    KnownModel()
    {
        for (quint16 id : {13, 562, 570, 571, 572, 578, 600, 724, 763, 10001})
            defineParameter(id, id == 562 ? 1 : (id == 10001 ? 7 : 0));
        setWireTimeSimulated(false);
        setClockRunning(false);
    }
};

// A line client of the emulator's control socket.
class ControlClient
{
public:
    bool connectTo(const QString& path)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 10000) {
            m_socket.connectToServer(path);
            if (m_socket.waitForConnected(1000))
                return true;
            m_socket.abort();
            QThread::msleep(20);
        }
        return false;
    }

    // The answer lines, the final "ok" / "error: ..." included.
    QStringList command(const QString& line)
    {
        m_socket.write((line + QLatin1Char('\n')).toUtf8());
        m_socket.flush();
        QStringList answer;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 10000) {
            while (m_socket.canReadLine()) {
                answer << QString::fromUtf8(m_socket.readLine()).trimmed();
                if (answer.last() == QLatin1String("ok") || answer.last().startsWith(QLatin1String("error:")))
                    return answer;
            }
            if (m_socket.state() != QLocalSocket::ConnectedState && m_socket.bytesAvailable() == 0)
                break;
            m_socket.waitForReadyRead(200);
        }
        return answer << QStringLiteral("<no answer>");
    }

private:
    QLocalSocket m_socket;
};

// The emulator program with its two sockets in a temporary directory.
struct EmulatorProcess
{
    QTemporaryDir dir;
    QString link = dir.filePath(QStringLiteral("spi.sock"));
    QString control = dir.filePath(QStringLiteral("control.sock"));
    QProcess process;

    bool start(const QStringList& extra = QStringList())
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(VRX_BINARY_DIR "/emulator/controller_emu"),
                      QStringList() << "--socket" << link << "--control" << control << extra);
        return process.waitForStarted(5000);
    }
    // A normal exit that removed both socket files.
    bool endedCleanly()
    {
        return process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
               && process.exitCode() == 0 && !QFile::exists(link) && !QFile::exists(control);
    }
};

const QStringList Ok{"ok"};

} // namespace

class TestControllerEmulator : public QObject
{
    Q_OBJECT

private slots:
    void statusReply();
    void readValuesLimitsAndPhysic();
    void writeValues();
    void changeNotices();
    void changeRepliesAreBounded();
    void events();
    void memoryAndImage();
    void archives();
    void scadaPacket();
    void refusedRequests();
    void faults();
    void clockTicks();
    void concurrentUse();
    void controlProtocol();
    void databaseAndSeed();

    void emulatorProcess();
    void emulatorStopsOnSigterm();
};

void TestControllerEmulator::statusReply()
{
    KnownModel model;
    // The status request exactly as it goes on the wire.
    const quint8 wire[] = {0x7E, 0x01, 0x04, 0xE3, 0x01, 0x7E};
    quint8 rx[sizeof wire];
    QCOMPARE(model.transfer(wire, rx, sizeof wire, WriteSpeed), int(sizeof wire));
    for (quint8 b : rx)
        QCOMPARE(b, quint8(0)); // nothing is ready while the request goes out

    quint8 zeros[ReadChunk] = {};
    quint8 in[ReadChunk];
    model.transfer(zeros, in, ReadChunk, ReadSpeed);
    SpiFrame::Scanner scanner;
    QCOMPARE(scanner.feed(in, ReadChunk), SpiFrame::Scanner::Complete);
    const QByteArray reply(reinterpret_cast<const char*>(scanner.frame()), scanner.length());
    QCOMPARE(reply.left(4).toHex(), QByteArray("01070000"));
    QCOMPARE(reply.size(), 7);
    QVERIFY(crcOk(reply));
    // Idle bytes after the frame are zeros.
    QCOMPARE(in[ReadChunk - 1], quint8(0));
    model.transfer(zeros, in, 1, ReadSpeed);
    QCOMPARE(in[0], quint8(0));
    QCOMPARE(model.stats().value(1), quint64(1));
}

// Payloads are (id, value) pairs; an unknown id reads as FFFFFFFF.
void TestControllerEmulator::readValuesLimitsAndPhysic()
{
    KnownModel model;
    model.setFloat(13, 3.0f);
    model.setRaw(562, 1700000000u);
    model.setMin(10001, 35.0f);
    model.setMax(10001, 60.0f);
    const QByteArray reply = exchange(model, request(2, u16(13) + u16(562) + u16(4444)));
    QVERIFY(crcOk(reply));
    QCOMPARE(reply.left(3).toHex(), QByteArray("021900"));
    QCOMPARE(payloadOf(reply).toHex(), QByteArray("000d40400000" "02326553f100" "115cffffffff"));
    // The golden request for parameter 13.
    QCOMPARE(payloadOf(exchange(model, QByteArray::fromHex("0206000d5820"))).toHex(), QByteArray("000d40400000"));
    QCOMPARE(payloadOf(exchange(model, request(7, u16(10001)))).toHex(), QByteArray("2711420c0000"));
    QCOMPARE(payloadOf(exchange(model, request(8, u16(10001) + u16(13)))).toHex(),
             QByteArray("271142700000" "000d497423f0")); // 999999, the default maximum
    QCOMPARE(payloadOf(exchange(model, request(15, u16(10001) + u16(562)))).toHex(),
             QByteArray("271140e00000" "02323f800000"));
    // A value made of the frame's flag and escape bytes.
    model.setRaw(13, 0x7E7D7E7Du);
    QCOMPARE(getU32(payloadOf(exchange(model, request(2, u16(13)))), 2), 0x7E7D7E7Du);
}

void TestControllerEmulator::writeValues()
{
    KnownModel model;
    QByteArray records;
    records += u16(13) + u32(bitsFromFloat(3.0f)) + QByteArray(1, char(1));
    records += u16(572) + u32(bitsFromFloat(2.0f)) + QByteArray(1, char(3));
    records += u16(4444) + u32(7) + QByteArray(1, char(1));
    const QByteArray reply = exchange(model, request(3, records));
    QVERIFY(crcOk(reply));
    QCOMPARE(quint8(reply.at(2)), quint8(0));
    QCOMPARE(noticeOf(reply), quint8(M::NoticeChanges));

    QStringList writes;
    for (const M::WriteRecord& w : model.writes())
        writes << QStringLiteral("%1 %2 %3").arg(w.id).arg(w.raw, 8, 16, QLatin1Char('0')).arg(w.flag);
    QCOMPARE(writes, QStringList({"13 40400000 1", "572 40000000 3", "4444 00000007 1"}));
    QCOMPARE(model.raw(13), bitsFromFloat(3.0f));
    QCOMPARE(model.raw(572), bitsFromFloat(2.0f));

    // The written ids are offered back for reading, the unknown one is not.
    const QByteArray changes = exchange(model, request(4));
    QCOMPARE(payloadOf(changes).toHex(), QByteArray("02000d02023c"));
    QCOMPARE(noticeOf(changes), quint8(M::NoticeNone));
}

void TestControllerEmulator::changeNotices()
{
    KnownModel model;
    model.setFloat(13, 1.0f);
    model.setFloat(13, 2.0f); // one record for the id
    model.setMin(10001, 1.0f);
    model.setMax(10001, 2.0f);
    model.setPhysic(10001, 7);

    QCOMPARE(noticeOf(exchange(model, request(1))), quint8(M::NoticeChanges));
    QCOMPARE(payloadOf(exchange(model, request(4))).toHex(), QByteArray("02000d0727110827110f2711"));
    QCOMPARE(noticeOf(exchange(model, request(1))), quint8(M::NoticeNone));
    QCOMPARE(model.pendingChangeCount(), 0);
}

void TestControllerEmulator::changeRepliesAreBounded()
{
    ControllerModel model;
    model.setWireTimeSimulated(false);
    model.setClockRunning(false);
    for (int id = 0; id < 300; ++id) {
        model.defineParameter(quint16(id), 0);
        model.setFloat(quint16(id), 1.0f);
    }
    QByteArray reply = exchange(model, request(4));
    QCOMPARE(payloadOf(reply).size(), M::MaxRecords * 3);
    QCOMPARE(noticeOf(reply), quint8(M::NoticeChanges));
    reply = exchange(model, request(4));
    QCOMPARE(payloadOf(reply).size(), (300 - M::MaxRecords) * 3);
    QCOMPARE(getU16(payloadOf(reply), 1), quint16(M::MaxRecords));
    QCOMPARE(noticeOf(reply), quint8(M::NoticeNone));
}

void TestControllerEmulator::events()
{
    KnownModel model;
    QCOMPARE(M::eventAddress(1), 21u);
    QCOMPARE(M::eventAddress(195), 4096u);
    QCOMPARE(M::eventAddress(974), 4u * 4096 + 194 * 21);

    QByteArray first(21, '\0');
    for (int i = 0; i < 21; ++i)
        first[i] = char(i + 1);
    const QByteArray second(21, char(0x7E));
    QCOMPARE(model.addEvent(first), 0u);
    QCOMPARE(model.addEvent(second), 21u);
    QCOMPARE(model.addEvent(QByteArray(20, 'x')), M::InvalidValue);

    // Events are announced once no change is waiting.
    model.setFloat(13, 1.0f);
    QCOMPARE(noticeOf(exchange(model, request(1))), quint8(M::NoticeChanges));
    exchange(model, request(4));
    QCOMPARE(noticeOf(exchange(model, request(1))), quint8(M::NoticeEvents));
    QCOMPARE(payloadOf(exchange(model, request(5))).toHex(), QByteArray("0000000000000015"));
    QCOMPARE(noticeOf(exchange(model, request(1))), quint8(M::NoticeNone));

    const QByteArray p = payloadOf(exchange(model, request(6, u32(0) + u32(21) + u32(4096) + u32(0xFFFFFFF0u))));
    QCOMPARE(p, first + second + QByteArray(2 * 21, char(0xFF)));
}

void TestControllerEmulator::memoryAndImage()
{
    KnownModel model;
    model.writeMemory(0x1000FFE, QByteArray("abcdef"));
    QByteArray p = payloadOf(exchange(model, request(9, u32(0x1000FFC) + u16(10))));
    QCOMPARE(getU32(p, 0), 0x1000FFCu);
    QCOMPARE(getU16(p, 4), quint16(10));
    QCOMPARE(p.mid(6), QByteArray("\xff\xff" "abcdef" "\xff\xff", 10));

    // (The image layout is read by the update's own tests.)
    // A read larger than a reply can carry is cut to what fits the buffer.
    const QByteArray reply = exchange(model, request(9, u32(0x1000000) + u16(6000)));
    QVERIFY(crcOk(reply));
    QVERIFY(reply.size() <= SpiFrame::BufferSize);
    QCOMPARE(int(getU16(payloadOf(reply), 4)), payloadOf(reply).size() - 6);
}

void TestControllerEmulator::archives()
{
    KnownModel model;
    QByteArray archive(10000, '\0');
    for (int i = 0; i < archive.size(); ++i)
        archive[i] = char(i % 251);
    QVERIFY(model.setArchive(11, archive));
    QVERIFY(!model.setArchive(10, archive));

    QByteArray p = payloadOf(exchange(model, request(11, archiveRequest(100, 50))));
    QCOMPARE(p.size(), 15 + 50);
    QCOMPARE(p.left(11), archiveRequest(100, 50).left(11));
    QCOMPARE(getU32le(p, 11), 50u);
    QCOMPARE(p.mid(15), archive.mid(100, 50));
    // Near the end only what is left; a long request only what fits the frame.
    p = payloadOf(exchange(model, request(11, archiveRequest(9990, 50))));
    QCOMPARE(getU32le(p, 11), 10u);
    QCOMPARE(p.mid(15), archive.mid(9990));
    const QByteArray reply = exchange(model, request(11, archiveRequest(0, 8000)));
    QVERIFY(reply.size() <= SpiFrame::BufferSize);
    p = payloadOf(reply);
    QCOMPARE(int(getU32le(p, 11)), p.size() - 15);
    QCOMPARE(p.mid(15), archive.left(p.size() - 15));
    // No data loaded for command 12: an empty answer with the same header.
    p = payloadOf(exchange(model, request(12, archiveRequest(0, 100))));
    QCOMPARE(p.size(), 15);
    QCOMPARE(getU32le(p, 11), 0u);
    QCOMPARE(quint8(exchange(model, request(14, archiveRequest(0, 1))).at(0)), quint8(14));
}

void TestControllerEmulator::scadaPacket()
{
    KnownModel model;
    const QByteArray packet("\x01\x10\x00\x20\x7e\x7d", 6);
    QCOMPARE(quint8(exchange(model, request(13, packet)).at(2)), quint8(0));
    QCOMPARE(model.scadaPackets(), QList<QByteArray>() << packet);
    QCOMPARE(model.stats().value(13), quint64(1));
}

void TestControllerEmulator::refusedRequests()
{
    KnownModel model;
    // No command 10.
    QByteArray reply = exchange(model, request(10));
    QVERIFY(crcOk(reply));
    QCOMPARE(reply.left(1).toHex() + reply.mid(2, 1).toHex(), QByteArray("0a01"));
    // A request whose CRC is wrong.
    QByteArray bad = request(2, u16(13));
    bad[bad.size() - 1] = char(bad.at(bad.size() - 1) ^ 1);
    QCOMPARE(quint8(exchange(model, bad).at(2)), quint8(1));
    QCOMPARE(model.stats().value(2), quint64(0));
    // A memory read without its size.
    QCOMPARE(quint8(exchange(model, request(9, u32(0))).at(2)), quint8(1));
}

void TestControllerEmulator::faults()
{
    KnownModel model;
    // Silent: no reply, nothing done.
    model.setFault(M::Fault::Silent);
    QVERIFY(exchange(model, request(3, u16(13) + u32(5) + QByteArray(1, char(1)))).isEmpty());
    QVERIFY(model.writes().isEmpty());
    QVERIFY(model.stats().isEmpty());
    model.setFault(M::Fault::None);
    QVERIFY(crcOk(exchange(model, request(1))));

    // Corrupt: the given number of replies fail their CRC; the change they
    // carried is still offered.
    model.setFloat(13, 4.0f);
    model.setFault(M::Fault::Corrupt, 2);
    for (int i = 0; i < 2; ++i) {
        const QByteArray reply = exchange(model, request(4));
        QVERIFY(!reply.isEmpty() && !crcOk(reply));
    }
    const QByteArray reply = exchange(model, request(4));
    QVERIFY(crcOk(reply));
    QCOMPARE(payloadOf(reply).toHex(), QByteArray("02000d"));

    // Latency: the reply comes no sooner.
    model.setFault(M::Fault::Latency, 150);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(crcOk(exchange(model, request(1), 0, 5000)));
    // Two millisecond clocks started apart may disagree by one tick.
    QVERIFY(timer.elapsed() >= 149);
    model.setFault(M::Fault::None);
    QVERIFY(crcOk(exchange(model, request(1))));
}

void TestControllerEmulator::clockTicks()
{
    ControllerModel model;
    model.setWireTimeSimulated(false);
    model.defineParameter(562, 1);
    model.setRaw(562, 1000);
    exchange(model, request(4)); // take the change of setRaw
    QTRY_VERIFY_WITH_TIMEOUT(model.raw(562) > 1000u, 5000);
    QCOMPARE(noticeOf(exchange(model, request(1))), quint8(M::NoticeChanges));
    const QByteArray p = payloadOf(exchange(model, request(4)));
    QVERIFY(p.size() >= 3);
    QCOMPARE(getU16(p, 1), quint16(562));
}

void TestControllerEmulator::concurrentUse()
{
    KnownModel model;
    std::atomic<int> good{0};
    FunctionThread link([&] {
        for (int i = 0; i < 200; ++i)
            good += crcOk(exchange(model, request(2, u16(13)))) ? 1 : 0;
    });
    link.start();
    ControlProtocol control(&model);
    for (int i = 0; i < 200; ++i) {
        control.execute(QStringLiteral("set 13 %1").arg(i));
        control.execute(QStringLiteral("get 13"));
    }
    QVERIFY(link.wait(20000));
    QCOMPARE(good.load(), 200);
}

void TestControllerEmulator::controlProtocol()
{
    KnownModel model;
    ControlProtocol control(&model);
    QCOMPARE(control.execute("set 13 3"), Ok);
    QCOMPARE(control.execute("get 13"), QStringList({"13 40400000", "ok"}));
    QCOMPARE(control.execute("setu 13 7"), Ok);
    QCOMPARE(model.raw(13), 7u);
    QCOMPARE(control.execute("setraw 13 deadBEEF"), Ok);
    QCOMPARE(control.execute("get 13").first(), QStringLiteral("13 DEADBEEF"));
    QCOMPARE(control.execute("min 13 -5.5"), Ok);
    QCOMPARE(model.minimum(13), -5.5f);
    QCOMPARE(control.execute("max 13 99"), Ok);
    QCOMPARE(model.maximum(13), 99.0f);
    QCOMPARE(control.execute("physic 13 9"), Ok);
    QCOMPARE(model.physic(13), 9u);
    for (const char* bad : {"set 4444 1", "set 13 abc", "get", "event 0102", "fault sometimes",
                            "archive 10 /nonexistent", "memory 0x10 /nonexistent", "bogus"})
        QVERIFY2(control.execute(bad).last().startsWith("error: "), bad);
    QVERIFY(control.execute("   ").isEmpty());

    QCOMPARE(control.execute("event " + QString(42, QLatin1Char('a'))), QStringList({"0x00000000", "ok"}));
    QCOMPARE(model.eventAt(0), QByteArray(21, char(0xAA)));

    const QPair<const char*, M::Fault> faults[] = {{"fault corrupt 3", M::Fault::Corrupt},
                                                   {"fault latency 20", M::Fault::Latency},
                                                   {"fault silent", M::Fault::Silent},
                                                   {"fault none", M::Fault::None}};
    for (const auto& fault : faults) {
        QCOMPARE(control.execute(fault.first), Ok);
        QVERIFY2(model.fault() == fault.second, fault.first);
    }
    QVERIFY(!control.quitRequested());
    QCOMPARE(control.execute("quit"), Ok);
    QVERIFY(control.quitRequested());
}

void TestControllerEmulator::databaseAndSeed()
{
    ControllerModel model;
    model.setClockRunning(false);
    QString error;
    QVERIFY2(model.loadDatabase(&error), qPrintable(error));
    QVERIFY(model.parameterCount() > 1000);
    QCOMPARE(model.physic(562), 1u);
    const QString seed = QStringLiteral(VRX_SOURCE_DIR "/emulator/seed.csv");
    QVERIFY2(model.loadSeed(seed, &error), qPrintable(error));

    // Every seeded id is one of the database's.
    QFile file(seed);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (!line.isEmpty() && !line.startsWith('#'))
            QVERIFY2(model.hasParameter(quint16(line.split(',').first().toUInt())), line.constData());
    }

    // The clock near now; limits from the database, else the defaults.
    QVERIFY(qAbs(qint64(model.raw(562)) - QDateTime::currentMSecsSinceEpoch() / 1000) < 24 * 3600);
    QCOMPARE(model.minimum(1367), -43200.0f);
    QCOMPARE(model.maximum(2), M::DefaultMax);
    // Starting values are not announced.
    QCOMPARE(model.pendingChangeCount(), 0);
}

// The program's tests drive the emulator's values, events, faults, image and
// write log through these sockets; here what they do not reach.
void TestControllerEmulator::emulatorProcess()
{
    EmulatorProcess emulator;
    QVERIFY(emulator.start());
    ControlClient control;
    QVERIFY(control.connectTo(emulator.control));
    ControlClient second;
    QVERIFY(second.connectTo(emulator.control));
    // Without --seed, the default seed.
    QCOMPARE(control.command("get 578"), QStringList({"578 3F800000", "ok"}));
    QVERIFY(control.command("get 70000").last().startsWith("error: "));
    QVERIFY(control.command("frobnicate").last().startsWith("error: "));
    QCOMPARE(control.command("set 13 3"), Ok);
    QCOMPARE(second.command("get 13"), QStringList({"13 40400000", "ok"}));

    // Memory and archive files, from a path with a blank.
    QByteArray data(5000, '\0');
    for (int i = 0; i < data.size(); ++i)
        data[i] = char(i * 13);
    const QString path = emulator.dir.filePath(QStringLiteral("data with blank.bin"));
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(data);
    }
    SocketSpiTransport transport(emulator.link);
    QVERIFY(transport.open());
    QVERIFY(transport.isOpen());
    QCOMPARE(control.command("memory 0x10 " + path), Ok);
    QCOMPARE(payloadOf(exchange(transport, request(9, u32(0x10) + u16(8)))).mid(6), data.left(8));
    QCOMPARE(control.command("archive 12 " + path), Ok);
    QCOMPARE(payloadOf(exchange(transport, request(12, archiveRequest(10, 20)))).mid(15), data.mid(10, 20));
    QVERIFY(control.command("archive 13 " + path).last().startsWith("error: "));
    // Stats count what was served.
    const QStringList stats = control.command("stats");
    QCOMPARE(stats.last(), QStringLiteral("ok"));
    QVERIFY(stats.contains(QStringLiteral("9 1")));
    QVERIFY(stats.contains(QStringLiteral("12 1")));

    // One program at a time: the next is served once the first goes.
    SocketSpiTransport next(emulator.link);
    QVERIFY(next.open());
    transport.close();
    QVERIFY(!transport.isOpen());
    QVERIFY(crcOk(exchange(next, request(1))));
    QVERIFY(transport.open());
    next.close();
    QVERIFY(crcOk(exchange(transport, request(1))));

    // quit answers, ends the program and removes both socket files.
    QCOMPARE(control.command("quit"), Ok);
    QVERIFY(emulator.endedCleanly());
    // With the emulator gone a transfer fails and closes the transport.
    quint8 tx[4] = {};
    quint8 rx[4];
    QCOMPARE(transport.transfer(tx, rx, 4, WriteSpeed), -1);
    QVERIFY(!transport.isOpen());
    QVERIFY(!transport.open());
}

void TestControllerEmulator::emulatorStopsOnSigterm()
{
    EmulatorProcess emulator;
    const QString seed = emulator.dir.filePath(QStringLiteral("seed.csv"));
    {
        QFile f(seed);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("id,value\n13,5\n570,0x00000001\n");
    }
    QVERIFY(emulator.start({"--seed", seed}));
    ControlClient control;
    QVERIFY(control.connectTo(emulator.control));
    QCOMPARE(control.command("get 13"), QStringList({"13 40A00000", "ok"}));
    QCOMPARE(control.command("get 570"), QStringList({"570 00000001", "ok"}));
    emulator.process.terminate();
    QVERIFY(emulator.endedCleanly());
}

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controller_emulator.moc"
