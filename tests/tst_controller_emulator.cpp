// The controller emulator: the model driven through its SPI transfers with real
// frames, and the controller_emu program through its control socket and the
// socket transport the program uses.
#include "common.h"
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
#include <memory>

namespace {

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

QByteArray wrapped(const QByteArray& frame)
{
    QByteArray wire(2 * frame.size() + 2, '\0');
    const int n = SpiFrame::wrap(reinterpret_cast<const quint8*>(frame.constData()), frame.size(),
                                 reinterpret_cast<quint8*>(wire.data()), wire.size());
    wire.resize(n);
    return wire;
}

QByteArray u16(quint16 v)
{
    QByteArray b;
    b.append(static_cast<char>(v >> 8)).append(static_cast<char>(v & 0xFF));
    return b;
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

// One exchange as the program makes it: the whole request at 500 kHz, then
// 100-byte reads at 5 MHz sending zeros until a frame is complete (at most
// maxReads, or until waitMs passed when given), then a 1-byte closing transfer.
// Returns the unescaped reply, or an empty array when none came.
template <typename Transfer>
QByteArray exchangeWith(Transfer transfer, const QByteArray& frame, int maxReads = 100, int waitMs = 0)
{
    const QByteArray wire = wrapped(frame);
    QByteArray ignored(wire.size(), '\0');
    if (transfer(reinterpret_cast<const quint8*>(wire.constData()), reinterpret_cast<quint8*>(ignored.data()),
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
        if (transfer(zeros, rx, ReadChunk, ReadSpeed) != ReadChunk)
            return QByteArray();
        if (scanner.feed(rx, ReadChunk) == SpiFrame::Scanner::Overflow)
            break;
        if (waitMs > 0 && scanner.state() == SpiFrame::Scanner::Searching)
            QThread::msleep(2);
    }
    transfer(zeros, rx, 1, ReadSpeed);
    if (scanner.state() != SpiFrame::Scanner::Complete)
        return QByteArray();
    return QByteArray(reinterpret_cast<const char*>(scanner.frame()), scanner.length());
}

QByteArray exchange(ControllerModel& model, const QByteArray& frame, int maxReads = 100, int waitMs = 0)
{
    return exchangeWith([&model](const quint8* tx, quint8* rx, quint32 n,
                                 quint32 speed) { return model.transfer(tx, rx, n, speed); },
                        frame, maxReads, waitMs);
}

QByteArray exchange(SpiTransport& transport, const QByteArray& frame, int maxReads = 100)
{
    return exchangeWith([&transport](const quint8* tx, quint8* rx, quint32 n,
                                     quint32 speed) { return transport.transfer(tx, rx, n, speed); },
                        frame, maxReads);
}

bool crcOk(const QByteArray& reply)
{
    return SpiFrame::checkCrc(reinterpret_cast<const quint8*>(reply.constData()), reply.size());
}

QByteArray payloadOf(const QByteArray& reply)
{
    return reply.mid(5, reply.size() - 7);
}

const quint16 Known[] = {13, 562, 570, 571, 572, 578, 600, 724, 763, 10001};

void defineKnown(ControllerModel& model)
{
    for (quint16 id : Known)
        model.defineParameter(id, id == 562 ? 1 : (id == 10001 ? 7 : 0));
    model.setWireTimeSimulated(false);
    model.setClockRunning(false);
}

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
                const QString l = QString::fromUtf8(m_socket.readLine()).trimmed();
                answer << l;
                if (l == QLatin1String("ok") || l.startsWith(QLatin1String("error:")))
                    return answer;
            }
            if (m_socket.state() != QLocalSocket::ConnectedState && m_socket.bytesAvailable() == 0)
                break;
            m_socket.waitForReadyRead(200);
        }
        answer << QStringLiteral("<no answer>");
        return answer;
    }

    QLocalSocket& socket() { return m_socket; }

private:
    QLocalSocket m_socket;
};

QString emulatorProgram()
{
    return QStringLiteral(VRX_BINARY_DIR "/emulator/controller_emu");
}

} // namespace

class TestControllerEmulator : public QObject
{
    Q_OBJECT

private slots:
    void goldenFrames();
    void statusReply();
    void readValues();
    void readLimitsAndPhysic();
    void escapedReply();
    void writeValues();
    void changeNotices();
    void changeRepliesAreBounded();
    void events();
    void memoryAndImage();
    void archives();
    void scadaPacket();
    void refusedRequests();
    void faultSilent();
    void faultCorrupt();
    void faultLatency();
    void clockTicks();
    void concurrentUse();
    void controlProtocol();
    void databaseAndSeed();

    void emulatorProcess();
    void emulatorStopsOnSigterm();
};

void TestControllerEmulator::goldenFrames()
{
    QCOMPARE(request(1).toHex(), QByteArray("0104e301"));
    QCOMPARE(wrapped(request(1)).toHex(), QByteArray("7e0104e3017e"));
    QCOMPARE(request(2, u16(13)).toHex(), QByteArray("0206000d5820"));
}

void TestControllerEmulator::statusReply()
{
    ControllerModel model;
    defineKnown(model);

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
    QCOMPARE(reply.size(), 7);
    QCOMPARE(quint8(reply.at(0)), quint8(1));
    QCOMPARE(quint8(reply.at(1)), quint8(7));
    QCOMPARE(quint8(reply.at(2)), quint8(0));
    QCOMPARE(quint8(reply.at(3)), quint8(0));
    QVERIFY(crcOk(reply));
    // Idle bytes after the frame are zeros.
    QCOMPARE(in[ReadChunk - 1], quint8(0));
    model.transfer(zeros, in, 1, ReadSpeed);
    QCOMPARE(in[0], quint8(0));
    QCOMPARE(model.stats().value(1), quint64(1));
}

void TestControllerEmulator::readValues()
{
    ControllerModel model;
    defineKnown(model);
    model.setFloat(13, 3.0f);
    model.setRaw(562, 1700000000u);

    const QByteArray reply = exchange(model, request(2, u16(13) + u16(562) + u16(4444)));
    QVERIFY(crcOk(reply));
    QCOMPARE(quint8(reply.at(0)), quint8(2));
    QCOMPARE(quint8(reply.at(2)), quint8(0));
    const QByteArray p = payloadOf(reply);
    QCOMPARE(p.size(), 18);
    QCOMPARE(getU16(p, 0), quint16(13));
    QCOMPARE(getU32(p, 2), bitsFromFloat(3.0f));
    QCOMPARE(getU16(p, 6), quint16(562));
    QCOMPARE(getU32(p, 8), 1700000000u);
    QCOMPARE(getU16(p, 12), quint16(4444));
    QCOMPARE(getU32(p, 14), 0xFFFFFFFFu);

    // The golden request for parameter 13.
    const QByteArray golden = QByteArray::fromHex("0206000d5820");
    const QByteArray r13 = exchange(model, golden);
    QCOMPARE(getU32(payloadOf(r13), 2), bitsFromFloat(3.0f));
}

void TestControllerEmulator::readLimitsAndPhysic()
{
    ControllerModel model;
    defineKnown(model);
    model.setMin(10001, 35.0f);
    model.setMax(10001, 60.0f);

    QByteArray p = payloadOf(exchange(model, request(7, u16(10001))));
    QCOMPARE(getU32(p, 2), bitsFromFloat(35.0f));
    p = payloadOf(exchange(model, request(8, u16(10001) + u16(13))));
    QCOMPARE(getU32(p, 2), bitsFromFloat(60.0f));
    QCOMPARE(getU32(p, 8), bitsFromFloat(ControllerModel::DefaultMax));
    p = payloadOf(exchange(model, request(15, u16(10001) + u16(562))));
    QCOMPARE(getU32(p, 2), bitsFromFloat(7.0f));
    QCOMPARE(getU32(p, 8), bitsFromFloat(1.0f));
}

void TestControllerEmulator::escapedReply()
{
    ControllerModel model;
    defineKnown(model);
    model.setRaw(13, 0x7E7D7E7Du);
    const QByteArray p = payloadOf(exchange(model, request(2, u16(13))));
    QCOMPARE(getU32(p, 2), 0x7E7D7E7Du);
}

void TestControllerEmulator::writeValues()
{
    ControllerModel model;
    defineKnown(model);

    QByteArray records;
    records += u16(13) + u32(bitsFromFloat(3.0f)) + QByteArray(1, char(1));
    records += u16(572) + u32(bitsFromFloat(2.0f)) + QByteArray(1, char(3));
    records += u16(4444) + u32(7) + QByteArray(1, char(1));
    const QByteArray reply = exchange(model, request(3, records));
    QVERIFY(crcOk(reply));
    QCOMPARE(quint8(reply.at(2)), quint8(0));
    QCOMPARE(quint8(reply.at(3)), quint8(ControllerModel::NoticeChanges));

    const QVector<ControllerModel::WriteRecord> writes = model.writes();
    QCOMPARE(writes.size(), 3);
    QCOMPARE(writes.at(0).id, quint16(13));
    QCOMPARE(writes.at(0).raw, bitsFromFloat(3.0f));
    QCOMPARE(writes.at(0).flag, quint8(1));
    QCOMPARE(writes.at(1).flag, quint8(3));
    QCOMPARE(writes.at(2).id, quint16(4444));
    QCOMPARE(model.raw(13), bitsFromFloat(3.0f));
    QCOMPARE(model.raw(572), bitsFromFloat(2.0f));

    // The written ids are offered back for reading, the unknown one is not.
    const QByteArray changes = exchange(model, request(4));
    const QByteArray p = payloadOf(changes);
    QCOMPARE(p.size(), 6);
    QCOMPARE(quint8(p.at(0)), quint8(2));
    QCOMPARE(getU16(p, 1), quint16(13));
    QCOMPARE(quint8(p.at(3)), quint8(2));
    QCOMPARE(getU16(p, 4), quint16(572));
    QCOMPARE(quint8(changes.at(3)), quint8(ControllerModel::NoticeNone));
}

void TestControllerEmulator::changeNotices()
{
    ControllerModel model;
    defineKnown(model);
    model.setFloat(13, 1.0f);
    model.setFloat(13, 2.0f); // one record for the id
    model.setMin(10001, 1.0f);
    model.setMax(10001, 2.0f);
    model.setPhysic(10001, 7);

    QCOMPARE(quint8(exchange(model, request(1)).at(3)), quint8(ControllerModel::NoticeChanges));
    const QByteArray p = payloadOf(exchange(model, request(4)));
    QCOMPARE(p.size(), 12);
    QCOMPARE(quint8(p.at(0)), quint8(2));
    QCOMPARE(quint8(p.at(3)), quint8(7));
    QCOMPARE(quint8(p.at(6)), quint8(8));
    QCOMPARE(quint8(p.at(9)), quint8(15));
    QCOMPARE(getU16(p, 10), quint16(10001));
    QCOMPARE(quint8(exchange(model, request(1)).at(3)), quint8(ControllerModel::NoticeNone));
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
    QCOMPARE(payloadOf(reply).size(), ControllerModel::MaxRecords * 3);
    QCOMPARE(quint8(reply.at(3)), quint8(ControllerModel::NoticeChanges));
    reply = exchange(model, request(4));
    QCOMPARE(payloadOf(reply).size(), (300 - ControllerModel::MaxRecords) * 3);
    QCOMPARE(getU16(payloadOf(reply), 1), quint16(ControllerModel::MaxRecords));
    QCOMPARE(quint8(reply.at(3)), quint8(ControllerModel::NoticeNone));
}

void TestControllerEmulator::events()
{
    ControllerModel model;
    defineKnown(model);
    QCOMPARE(ControllerModel::eventAddress(0), 0u);
    QCOMPARE(ControllerModel::eventAddress(1), 21u);
    QCOMPARE(ControllerModel::eventAddress(195), 4096u);
    QCOMPARE(ControllerModel::eventAddress(974), 4u * 4096 + 194 * 21);

    QByteArray first(21, '\0');
    for (int i = 0; i < 21; ++i)
        first[i] = char(i + 1);
    const QByteArray second(21, char(0x7E));
    QCOMPARE(model.addEvent(first), 0u);
    QCOMPARE(model.addEvent(second), 21u);
    QCOMPARE(model.addEvent(QByteArray(20, 'x')), ControllerModel::InvalidValue);

    // Events are announced once no change is waiting.
    model.setFloat(13, 1.0f);
    QCOMPARE(quint8(exchange(model, request(1)).at(3)), quint8(ControllerModel::NoticeChanges));
    exchange(model, request(4));
    QCOMPARE(quint8(exchange(model, request(1)).at(3)), quint8(ControllerModel::NoticeEvents));

    QByteArray p = payloadOf(exchange(model, request(5)));
    QCOMPARE(p.size(), 8);
    QCOMPARE(getU32(p, 0), 0u);
    QCOMPARE(getU32(p, 4), 21u);
    QCOMPARE(quint8(exchange(model, request(1)).at(3)), quint8(ControllerModel::NoticeNone));

    p = payloadOf(exchange(model, request(6, u32(0) + u32(21) + u32(4096) + u32(0xFFFFFFF0u))));
    QCOMPARE(p.size(), 4 * 21);
    QCOMPARE(p.mid(0, 21), first);
    QCOMPARE(p.mid(21, 21), second);
    QCOMPARE(p.mid(42, 21), QByteArray(21, char(0xFF)));
    QCOMPARE(p.mid(63, 21), QByteArray(21, char(0xFF)));
}

void TestControllerEmulator::memoryAndImage()
{
    ControllerModel model;
    defineKnown(model);
    model.writeMemory(0x1000FFE, QByteArray("abcdef"));
    QByteArray reply = exchange(model, request(9, u32(0x1000FFC) + u16(10)));
    QByteArray p = payloadOf(reply);
    QCOMPARE(getU32(p, 0), 0x1000FFCu);
    QCOMPARE(getU16(p, 4), quint16(10));
    QCOMPARE(p.mid(6), QByteArray("\xff\xff" "abcdef" "\xff\xff", 10));

    // A software image as the program reads it: probe, header, data.
    QByteArray image(10000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char((i * 7 + 3) & 0xFF);
    model.loadImage(image);

    p = payloadOf(exchange(model, request(9, u32(0x800000) + u16(3))));
    QCOMPARE(getU16(p, 4), quint16(3));
    QVERIFY(p.at(8) != 0);
    const quint32 headerAddress = 0xD00000;
    p = payloadOf(exchange(model, request(9, u32(headerAddress) + u16(26))));
    const QByteArray header = p.mid(6);
    QCOMPARE(header.size(), 26);
    const quint32 dataOffset = getU32le(header, 14);
    QCOMPARE(getU32le(header, 18), quint32(image.size()));
    const quint16 crc = quint16(quint8(header.at(24)) | (quint8(header.at(25)) << 8));
    QCOMPARE(crc, Common::crc16(reinterpret_cast<const unsigned char*>(image.constData()),
                                static_cast<unsigned int>(image.size()), 0xFFFF));

    QByteArray read;
    quint32 address = headerAddress + 26 + dataOffset;
    while (read.size() < image.size()) {
        const quint16 size = quint16(qMin(4096, image.size() - read.size()));
        p = payloadOf(exchange(model, request(9, u32(address) + u16(size))));
        QCOMPARE(getU32(p, 0), address);
        QCOMPARE(getU16(p, 4), size);
        read += p.mid(6);
        address += size;
    }
    QCOMPARE(read, image);

    // A read larger than a reply can carry is cut to what fits the buffer.
    reply = exchange(model, request(9, u32(0xD00100) + u16(6000)));
    QVERIFY(crcOk(reply));
    QVERIFY(reply.size() <= SpiFrame::BufferSize);
    QCOMPARE(int(getU16(payloadOf(reply), 4)), payloadOf(reply).size() - 6);
}

void TestControllerEmulator::archives()
{
    ControllerModel model;
    defineKnown(model);
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
    ControllerModel model;
    defineKnown(model);
    const QByteArray packet("\x01\x10\x00\x20\x7e\x7d", 6);
    const QByteArray reply = exchange(model, request(13, packet));
    QCOMPARE(quint8(reply.at(2)), quint8(0));
    QCOMPARE(model.scadaPackets(), QList<QByteArray>() << packet);
    QCOMPARE(model.stats().value(13), quint64(1));
}

void TestControllerEmulator::refusedRequests()
{
    ControllerModel model;
    defineKnown(model);
    // No command 10.
    QByteArray reply = exchange(model, request(10));
    QVERIFY(crcOk(reply));
    QCOMPARE(quint8(reply.at(0)), quint8(10));
    QCOMPARE(quint8(reply.at(2)), quint8(1));

    // A request whose CRC is wrong.
    QByteArray bad = request(2, u16(13));
    bad[bad.size() - 1] = char(bad.at(bad.size() - 1) ^ 1);
    reply = exchange(model, bad);
    QCOMPARE(quint8(reply.at(2)), quint8(1));
    QCOMPARE(model.stats().value(2), quint64(0));

    // A memory read without its size.
    reply = exchange(model, request(9, u32(0)));
    QCOMPARE(quint8(reply.at(2)), quint8(1));
}

void TestControllerEmulator::faultSilent()
{
    ControllerModel model;
    defineKnown(model);
    model.setFault(ControllerModel::Fault::Silent);
    QVERIFY(exchange(model, request(3, u16(13) + u32(5) + QByteArray(1, char(1)))).isEmpty());
    QVERIFY(model.writes().isEmpty());
    QVERIFY(model.stats().isEmpty());
    model.setFault(ControllerModel::Fault::None);
    QVERIFY(crcOk(exchange(model, request(1))));
}

void TestControllerEmulator::faultCorrupt()
{
    ControllerModel model;
    defineKnown(model);
    model.setFloat(13, 4.0f);
    model.setFault(ControllerModel::Fault::Corrupt, 2);

    QByteArray reply = exchange(model, request(4));
    QVERIFY(!reply.isEmpty());
    QVERIFY(!crcOk(reply));
    reply = exchange(model, request(4));
    QVERIFY(!crcOk(reply));
    // The change carried by the lost replies is still offered.
    reply = exchange(model, request(4));
    QVERIFY(crcOk(reply));
    QCOMPARE(payloadOf(reply).size(), 3);
    QCOMPARE(getU16(payloadOf(reply), 1), quint16(13));
    QVERIFY(crcOk(exchange(model, request(1))));
}

void TestControllerEmulator::faultLatency()
{
    ControllerModel model;
    defineKnown(model);
    const int latencyMs = 150;
    model.setFault(ControllerModel::Fault::Latency, latencyMs);

    QElapsedTimer timer;
    timer.start();
    const QByteArray reply = exchange(model, request(1), 0, 5000);
    const qint64 waited = timer.elapsed();
    QVERIFY(crcOk(reply));
    QVERIFY2(waited >= latencyMs, qPrintable(QStringLiteral("reply after %1 ms").arg(waited)));

    model.setFault(ControllerModel::Fault::None);
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
    QCOMPARE(quint8(exchange(model, request(1)).at(3)), quint8(ControllerModel::NoticeChanges));
    const QByteArray p = payloadOf(exchange(model, request(4)));
    QVERIFY(p.size() >= 3);
    QCOMPARE(getU16(p, 1), quint16(562));
}

void TestControllerEmulator::concurrentUse()
{
    ControllerModel model;
    defineKnown(model);
    std::atomic<int> good{0};
    FunctionThread link([&] {
        for (int i = 0; i < 200; ++i) {
            if (crcOk(exchange(model, request(2, u16(13)))))
                ++good;
        }
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
    ControllerModel model;
    defineKnown(model);
    ControlProtocol control(&model);
    QCOMPARE(control.execute(QStringLiteral("set 13 3")), QStringList() << "ok");
    QCOMPARE(control.execute(QStringLiteral("get 13")), QStringList() << "13 40400000"
                                                                      << "ok");
    QCOMPARE(control.execute(QStringLiteral("setu 13 7")), QStringList() << "ok");
    QCOMPARE(model.raw(13), 7u);
    QCOMPARE(control.execute(QStringLiteral("setraw 13 deadBEEF")), QStringList() << "ok");
    QCOMPARE(control.execute(QStringLiteral("get 13")).first(), QStringLiteral("13 DEADBEEF"));
    QCOMPARE(control.execute(QStringLiteral("min 13 -5.5")), QStringList() << "ok");
    QCOMPARE(model.minimum(13), -5.5f);
    QCOMPARE(control.execute(QStringLiteral("max 13 99")), QStringList() << "ok");
    QCOMPARE(model.maximum(13), 99.0f);
    QCOMPARE(control.execute(QStringLiteral("physic 13 9")), QStringList() << "ok");
    QCOMPARE(model.physic(13), 9u);
    QVERIFY(control.execute(QStringLiteral("set 4444 1")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("set 13 abc")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("get")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("event 0102")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("fault sometimes")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("archive 10 /nonexistent")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("memory 0x10 /nonexistent")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("bogus")).last().startsWith("error: "));
    QVERIFY(control.execute(QStringLiteral("   ")).isEmpty());

    const QStringList event = control.execute(QStringLiteral("event ") + QString(42, QLatin1Char('a')));
    QCOMPARE(event, QStringList() << "0x00000000"
                                  << "ok");
    QCOMPARE(model.eventAt(0), QByteArray(21, char(0xAA)));

    QCOMPARE(control.execute(QStringLiteral("fault corrupt 3")), QStringList() << "ok");
    QVERIFY(model.fault() == ControllerModel::Fault::Corrupt);
    QCOMPARE(control.execute(QStringLiteral("fault latency 20")), QStringList() << "ok");
    QVERIFY(model.fault() == ControllerModel::Fault::Latency);
    QCOMPARE(control.execute(QStringLiteral("fault silent")), QStringList() << "ok");
    QCOMPARE(control.execute(QStringLiteral("fault none")), QStringList() << "ok");
    QVERIFY(model.fault() == ControllerModel::Fault::None);
    QVERIFY(!control.quitRequested());
    QCOMPARE(control.execute(QStringLiteral("quit")), QStringList() << "ok");
    QVERIFY(control.quitRequested());
}

void TestControllerEmulator::databaseAndSeed()
{
    ControllerModel model;
    model.setClockRunning(false);
    QString error;
    QVERIFY2(model.loadDatabase(&error), qPrintable(error));
    QVERIFY(model.parameterCount() > 1000);
    QVERIFY(model.hasParameter(562));
    QCOMPARE(model.physic(562), 1u);

    const QString seed = QStringLiteral(VRX_SOURCE_DIR "/emulator/seed.csv");
    QVERIFY2(model.loadSeed(seed, &error), qPrintable(error));

    // Every seeded id is one of the database's.
    QFile file(seed);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QList<QByteArray> lines = file.readAll().split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const quint16 id = quint16(line.split(',').first().toUInt());
        QVERIFY2(model.hasParameter(id), qPrintable(QStringLiteral("seed id %1").arg(id)));
    }

    // A stopped station with the clock near now.
    QCOMPARE(model.raw(13), bitsFromFloat(0.0f));
    QCOMPARE(model.raw(570), bitsFromFloat(0.0f));
    QCOMPARE(model.raw(578), bitsFromFloat(1.0f));
    QCOMPARE(model.raw(1353), bitsFromFloat(0.0f));
    QCOMPARE(model.raw(571), bitsFromFloat(1.0f));
    QCOMPARE(model.raw(572), bitsFromFloat(0.0f));
    const qint64 now = QDateTime::currentMSecsSinceEpoch() / 1000;
    QVERIFY(qAbs(qint64(model.raw(562)) - now) < 24 * 3600);
    QCOMPARE(model.maximum(570), 2.0f);
    QCOMPARE(model.minimum(1367), -43200.0f);
    QCOMPARE(model.maximum(2), ControllerModel::DefaultMax);
    // Starting values are not announced.
    QCOMPARE(model.pendingChangeCount(), 0);
}

void TestControllerEmulator::emulatorProcess()
{
    QVERIFY2(QFile::exists(emulatorProgram()), qPrintable(emulatorProgram()));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("spi.sock"));
    const QString controlPath = dir.filePath(QStringLiteral("control.sock"));

    QProcess emulator;
    emulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    emulator.start(emulatorProgram(), QStringList() << "--socket" << link << "--control" << controlPath);
    QVERIFY(emulator.waitForStarted(5000));

    ControlClient control;
    QVERIFY(control.connectTo(controlPath));
    ControlClient second;
    QVERIFY(second.connectTo(controlPath));

    // The seed: a stopped station speaking Russian with the maker's SCADA map.
    QCOMPARE(control.command("get 570"), QStringList() << "570 00000000"
                                                       << "ok");
    QCOMPARE(control.command("get 578"), QStringList() << "578 3F800000"
                                                       << "ok");
    QCOMPARE(second.command("get 13"), QStringList() << "13 00000000"
                                                     << "ok");
    QVERIFY(control.command("get 70000").last().startsWith("error: "));
    QVERIFY(control.command("frobnicate").last().startsWith("error: "));

    QCOMPARE(control.command("set 13 3"), QStringList() << "ok");
    QCOMPARE(second.command("get 13"), QStringList() << "13 40400000"
                                                     << "ok");

    // The program's side: the socket transport.
    SocketSpiTransport transport(link);
    QVERIFY(transport.open());
    QVERIFY(transport.isOpen());
    QByteArray reply = exchange(transport, request(1));
    QVERIFY(crcOk(reply));
    QCOMPARE(quint8(reply.at(3)), quint8(ControllerModel::NoticeChanges));

    // Drain the notices (the clock keeps adding its own) and find 13 among them.
    bool saw13 = false;
    for (int i = 0; i < 10 && quint8(reply.at(3)) == ControllerModel::NoticeChanges; ++i) {
        reply = exchange(transport, request(4));
        QVERIFY(crcOk(reply));
        const QByteArray p = payloadOf(reply);
        for (int k = 0; k + 3 <= p.size(); k += 3)
            saw13 = saw13 || (quint8(p.at(k)) == 2 && getU16(p, k + 1) == 13);
    }
    QVERIFY(saw13);

    reply = exchange(transport, request(2, u16(13) + u16(562)));
    QCOMPARE(getU32(payloadOf(reply), 2), bitsFromFloat(3.0f));
    const qint64 now = QDateTime::currentMSecsSinceEpoch() / 1000;
    QVERIFY(qAbs(qint64(getU32(payloadOf(reply), 8)) - now) < 24 * 3600);

    // Writes reach the log.
    reply = exchange(transport, request(3, u16(572) + u32(bitsFromFloat(2.0f)) + QByteArray(1, char(1))));
    QVERIFY(crcOk(reply));
    QCOMPARE(control.command("writes"), QStringList() << "572 40000000 1"
                                                      << "ok");
    QCOMPARE(control.command("get 572"), QStringList() << "572 40000000"
                                                       << "ok");

    // Events.
    const QString record = QStringLiteral("0102030405060708090a0b0c0d0e0f101112131415");
    QCOMPARE(control.command("event " + record), QStringList() << "0x00000000"
                                                              << "ok");
    reply = exchange(transport, request(6, u32(0)));
    QCOMPARE(payloadOf(reply), QByteArray::fromHex(record.toLatin1()));

    // A software image, and memory and archive files.
    QByteArray image(5000, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(i * 13);
    const QString imagePath = dir.filePath(QStringLiteral("image with blank.bin"));
    {
        QFile f(imagePath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(image);
    }
    QCOMPARE(control.command("image " + imagePath), QStringList() << "ok");
    reply = exchange(transport, request(9, u32(0xD00000) + u16(26)));
    const QByteArray header = payloadOf(reply).mid(6);
    QCOMPARE(getU32le(header, 18), quint32(image.size()));
    const quint32 dataAddress = 0xD00000 + 26 + getU32le(header, 14);
    reply = exchange(transport, request(9, u32(dataAddress) + u16(4096)));
    QCOMPARE(payloadOf(reply).mid(6), image.left(4096));

    QCOMPARE(control.command("memory 0x10 " + imagePath), QStringList() << "ok");
    reply = exchange(transport, request(9, u32(0x10) + u16(8)));
    QCOMPARE(payloadOf(reply).mid(6), image.left(8));

    QCOMPARE(control.command("archive 12 " + imagePath), QStringList() << "ok");
    reply = exchange(transport, request(12, archiveRequest(10, 20)));
    QCOMPARE(payloadOf(reply).mid(15), image.mid(10, 20));
    QVERIFY(control.command("archive 13 " + imagePath).last().startsWith("error: "));

    // Faults.
    QCOMPARE(control.command("fault silent"), QStringList() << "ok");
    QVERIFY(exchange(transport, request(1), 5).isEmpty());
    QCOMPARE(control.command("fault corrupt 1"), QStringList() << "ok");
    reply = exchange(transport, request(1));
    QVERIFY(!reply.isEmpty() && !crcOk(reply));
    QVERIFY(crcOk(exchange(transport, request(1))));
    QCOMPARE(control.command("fault none"), QStringList() << "ok");

    // Stats count what was served.
    const QStringList stats = control.command("stats");
    QCOMPARE(stats.last(), QStringLiteral("ok"));
    QVERIFY(stats.contains(QStringLiteral("3 1")));
    QVERIFY(stats.contains(QStringLiteral("6 1")));
    QVERIFY(stats.contains(QStringLiteral("12 1")));

    // One program at a time: the next is served once the first goes.
    SocketSpiTransport next(link);
    QVERIFY(next.open());
    transport.close();
    QVERIFY(!transport.isOpen());
    QVERIFY(crcOk(exchange(next, request(1))));
    QVERIFY(transport.open());
    next.close();
    QVERIFY(crcOk(exchange(transport, request(1))));

    // quit answers, ends the program and removes both socket files.
    QCOMPARE(control.command("quit"), QStringList() << "ok");
    QVERIFY(emulator.waitForFinished(10000));
    QCOMPARE(emulator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(emulator.exitCode(), 0);
    QVERIFY(!QFile::exists(link));
    QVERIFY(!QFile::exists(controlPath));

    // With the emulator gone a transfer fails and closes the transport.
    quint8 tx[4] = {};
    quint8 rx[4];
    QCOMPARE(transport.transfer(tx, rx, 4, WriteSpeed), -1);
    QVERIFY(!transport.isOpen());
    QVERIFY(!transport.open());
}

void TestControllerEmulator::emulatorStopsOnSigterm()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString link = dir.filePath(QStringLiteral("spi.sock"));
    const QString controlPath = dir.filePath(QStringLiteral("control.sock"));
    const QString seed = dir.filePath(QStringLiteral("seed.csv"));
    {
        QFile f(seed);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("id,value\n13,5\n570,0x00000001\n");
    }

    QProcess emulator;
    emulator.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    emulator.start(emulatorProgram(), QStringList() << "--socket" << link << "--control" << controlPath
                                                    << "--seed" << seed);
    QVERIFY(emulator.waitForStarted(5000));
    ControlClient control;
    QVERIFY(control.connectTo(controlPath));
    QCOMPARE(control.command("get 13"), QStringList() << "13 40A00000"
                                                      << "ok");
    QCOMPARE(control.command("get 570"), QStringList() << "570 00000001"
                                                       << "ok");

    emulator.terminate();
    QVERIFY(emulator.waitForFinished(10000));
    QCOMPARE(emulator.exitStatus(), QProcess::NormalExit);
    QCOMPARE(emulator.exitCode(), 0);
    QVERIFY(!QFile::exists(link));
    QVERIFY(!QFile::exists(controlPath));
}

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controller_emulator.moc"
