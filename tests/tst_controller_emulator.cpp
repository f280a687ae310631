// The controller emulator: the model driven through its SPI transfers with
// real frames, its faults, its control language, and the controller_emu
// program through its control socket (socat included) and the socket
// transport the program uses.
#include "control_protocol.h"
#include "controller_model.h"
#include "rawbits.h"
#include "socketspitransport.h"
#include "spiframe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalSocket>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using M = ControllerModel;

// An unescaped request frame: command, total length, payload, CRC.
QByteArray request(quint8 command, const QByteArray& payload = QByteArray())
{
    QByteArray frame = QByteArray(1, char(command)) + char(payload.size() + 4) + payload + QByteArray(2, '\0');
    SpiFrame::setCrc(reinterpret_cast<quint8*>(frame.data()), frame.size());
    return frame;
}

QByteArray be(quint32 v, int bytes)
{
    QByteArray b;
    for (int i = bytes - 1; i >= 0; --i)
        b.append(char(v >> (8 * i)));
    return b;
}

quint32 le32(const QByteArray& b, int at)
{
    quint32 v = 0;
    for (int i = 3; i >= 0; --i)
        v = (v << 8) | quint8(b.at(at + i));
    return v;
}

// Offset and length, little-endian, the length given twice.
QByteArray archiveRequest(quint32 offset, quint32 length)
{
    QByteArray r = QByteArray(1, '\0') + QByteArray(2, char(0xFF));
    for (quint32 v : {offset, length, length})
        for (int i = 0; i < 4; ++i)
            r.append(char(v >> (8 * i)));
    return r;
}

// One exchange as the program makes it: the request at 500 kHz, 100-byte
// reads at 5 MHz until a frame is complete (at most maxReads, or for waitMs
// when given), one closing byte. The unescaped reply, or nothing.
template <typename Link>
QByteArray exchange(Link& link, const QByteArray& frame, int maxReads = 100, int waitMs = 0)
{
    QByteArray wire(2 * frame.size() + 2, '\0');
    wire.resize(SpiFrame::wrap(reinterpret_cast<const quint8*>(frame.constData()), frame.size(),
                               reinterpret_cast<quint8*>(wire.data()), wire.size()));
    QByteArray rx(wire.size(), '\0');
    if (link.transfer(reinterpret_cast<const quint8*>(wire.constData()), reinterpret_cast<quint8*>(rx.data()),
                      quint32(wire.size()), 500000) != wire.size())
        return QByteArray();
    SpiFrame::Scanner scanner;
    const quint8 zeros[100] = {};
    quint8 in[100];
    QElapsedTimer timer;
    timer.start();
    for (int reads = 0; scanner.state() != SpiFrame::Scanner::Complete; ++reads) {
        if ((waitMs > 0 ? timer.elapsed() > waitMs : reads >= maxReads)
            || link.transfer(zeros, in, 100, 5000000) != 100 || scanner.feed(in, 100) == SpiFrame::Scanner::Overflow)
            break;
        if (waitMs > 0 && scanner.state() == SpiFrame::Scanner::Searching)
            QThread::msleep(2);
    }
    link.transfer(zeros, in, 1, 5000000);
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

// A model with a few parameters, its clock and wire time stopped.
struct KnownModel : ControllerModel
{
    KnownModel()
    {
        for (quint16 id : {13, 562, 572, 10001})
            defineParameter(id, id == 562 ? 1 : (id == 10001 ? 7 : 0));
        setWireTimeSimulated(false);
        setClockRunning(false);
    }
    QByteArray payload(quint8 command, const QByteArray& body = QByteArray())
    {
        return payloadOf(exchange(*this, request(command, body)));
    }
    quint8 notice() { return quint8(exchange(*this, request(1)).at(3)); }
};

// The emulator program with its two sockets in a temporary directory.
struct EmulatorProcess
{
    QTemporaryDir dir;
    QString link = dir.filePath("spi.sock");
    QString control = dir.filePath("control.sock");
    QProcess process;
    QLocalSocket socket;

    bool start(const QStringList& extra = QStringList())
    {
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(VRX_BINARY_DIR "/emulator/controller_emu", QStringList{"--socket", link, "--control", control} + extra);
        QElapsedTimer timer;
        for (timer.start(); process.waitForStarted(5000) && timer.elapsed() < 5000; QThread::msleep(20)) {
            socket.connectToServer(control);
            if (socket.waitForConnected(1000))
                return true;
        }
        return false;
    }
    // The answer lines up to "ok" or "error: ..." included.
    QByteArray command(const QByteArray& line)
    {
        socket.write(line + '\n');
        QByteArray answer;
        while (!answer.endsWith("ok\n") && !answer.contains("error: ") && socket.waitForReadyRead(5000))
            answer += socket.readAll();
        return answer;
    }
    // A normal exit that removed both socket files.
    bool endedCleanly()
    {
        return process.waitForFinished(5000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0
               && !QFile::exists(link) && !QFile::exists(control);
    }
};

} // namespace

class TestControllerEmulator : public QObject
{
    Q_OBJECT

private slots:
    void readsWritesAndChanges()
    {
        KnownModel model;
        // The status request exactly as it goes on the wire: nothing is
        // clocked out meanwhile, the reply comes with the next read.
        const quint8 wire[] = {0x7E, 0x01, 0x04, 0xE3, 0x01, 0x7E};
        quint8 rx[100] = {1};
        QCOMPARE(model.transfer(wire, rx, sizeof wire, 500000), int(sizeof wire));
        QCOMPARE(rx[0], quint8(0));
        model.transfer(wire, rx, 100, 5000000);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(rx), 10).toHex(), QByteArray("7e0107000000b4187e00"));

        model.setFloat(13, 3.0f);
        model.setMin(10001, 35.0f);
        // Values, limits and codes by id; an unknown id reads as FFFFFFFF.
        QCOMPARE(payloadOf(exchange(model, QByteArray::fromHex("0206000d5820"))).toHex(), QByteArray("000d40400000"));
        QCOMPARE(model.payload(2, be(13, 2) + be(4444, 2)).toHex(), QByteArray("000d40400000115cffffffff"));
        QCOMPARE(model.payload(7, be(10001, 2)).toHex(), QByteArray("2711420c0000"));
        QCOMPARE(model.payload(8, be(13, 2)).toHex(), QByteArray("000d497423f0")); // the default 999999
        QCOMPARE(model.payload(15, be(10001, 2) + be(562, 2)).toHex(), QByteArray("271140e00000" "02323f800000"));
        model.setRaw(13, 0x7E7D7E7Du);
        QCOMPARE(model.payload(2, be(13, 2)).mid(2), be(0x7E7D7E7Du, 4));

        // Writes are logged and announced; the unknown id only logged. One
        // record per id and kind, in order; none left after.
        model.payload(4);
        const QByteArray one = QByteArray(1, char(1)), three = QByteArray(1, char(3));
        model.payload(3, be(13, 2) + be(bitsFromFloat(3.0f), 4) + one + be(572, 2) + be(7, 4) + three + be(4444, 2)
                             + be(7, 4) + one);
        QCOMPARE(model.writes().size(), 3);
        QVERIFY(model.writes().at(1).id == 572 && model.writes().at(1).raw == 7 && model.writes().at(1).flag == 3);
        QCOMPARE(model.raw(13), bitsFromFloat(3.0f));
        model.setFloat(13, 4.0f);
        model.setMax(10001, 2.0f);
        model.setPhysic(10001, 7);
        QCOMPARE(model.notice(), quint8(M::NoticeChanges));
        QCOMPARE(model.payload(4).toHex(), QByteArray("02000d02023c0827110f2711"));
        QCOMPARE(model.notice(), quint8(M::NoticeNone));
    }

    void repliesAreBounded()
    {
        ControllerModel model;
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        for (int id = 0; id < 300; ++id) {
            model.defineParameter(quint16(id), 0);
            model.setFloat(quint16(id), 1.0f);
        }
        // 255 change records at most per reply.
        QCOMPARE(payloadOf(exchange(model, request(4))).size(), M::MaxRecords * 3);
        QCOMPARE(payloadOf(exchange(model, request(4))).size(), (300 - M::MaxRecords) * 3);
        // Memory and archives: only what is there, only what fits a frame.
        model.writeMemory(0x1000FFE, "abcdef");
        QCOMPARE(payloadOf(exchange(model, request(9, be(0x1000FFC, 4) + be(10, 2)))).toHex(),
                 QByteArray("01000ffc000affff616263646566ffff"));
        QByteArray reply = exchange(model, request(9, be(0x1000000, 4) + be(6000, 2)));
        QVERIFY(reply.size() <= SpiFrame::BufferSize && crcOk(reply));
        QCOMPARE(int(quint8(reply.at(9)) << 8 | quint8(reply.at(10))), payloadOf(reply).size() - 6);
        QByteArray archive(10000, '\0');
        for (int i = 0; i < archive.size(); ++i)
            archive[i] = char(i % 251);
        QVERIFY(model.setArchive(11, archive) && !model.setArchive(10, archive));
        QByteArray p = payloadOf(exchange(model, request(11, archiveRequest(9990, 50))));
        QCOMPARE(p.left(11), archiveRequest(9990, 50).left(11));
        QCOMPARE(le32(p, 11), 10u);
        QCOMPARE(p.mid(15), archive.mid(9990));
        reply = exchange(model, request(11, archiveRequest(0, 8000)));
        QVERIFY(reply.size() <= SpiFrame::BufferSize);
        QCOMPARE(payloadOf(reply).mid(15), archive.left(int(le32(payloadOf(reply), 11))));
        QCOMPARE(payloadOf(exchange(model, request(12, archiveRequest(0, 100)))).size(), 15); // nothing loaded
    }

    void eventsScadaAndRefusals()
    {
        KnownModel model;
        QCOMPARE(M::eventAddress(195), 4096u);
        const QByteArray first(21, char(0x7E)), second(21, '\x02');
        QCOMPARE(model.addEvent(first), 0u);
        QCOMPARE(model.addEvent(second), 21u);
        QCOMPARE(model.addEvent(QByteArray(20, 'x')), M::InvalidValue);
        // Announced once no change is waiting.
        model.setFloat(13, 1.0f);
        QCOMPARE(model.notice(), quint8(M::NoticeChanges));
        model.payload(4);
        QCOMPARE(model.notice(), quint8(M::NoticeEvents));
        QCOMPARE(model.payload(5).toHex(), QByteArray("0000000000000015"));
        QCOMPARE(model.notice(), quint8(M::NoticeNone));
        QCOMPARE(model.payload(6, be(0, 4) + be(21, 4) + be(0xFFFFFFF0u, 4)), first + second + QByteArray(21, char(0xFF)));

        const QByteArray packet("\x01\x10\x00\x20\x7e\x7d", 6);
        QCOMPARE(exchange(model, request(13, packet)).at(2), '\0');
        QCOMPARE(model.scadaPackets(), QList<QByteArray>{packet});
        // Refused with status 1: no command 10, a wrong CRC, a memory read
        // without its size.
        QByteArray bad = request(2, be(13, 2));
        bad[bad.size() - 1] = char(bad.at(bad.size() - 1) ^ 1);
        for (const QByteArray& frame : {request(10), bad, request(9, be(0, 4))}) {
            const QByteArray reply = exchange(model, frame);
            QVERIFY(crcOk(reply) && reply.at(0) == frame.at(0) && reply.at(2) == 1);
        }
        QCOMPARE(model.stats().value(2), quint64(0));
    }

    // Whatever a fault does to a reply, the notices it carried stay pending.
    void faultsKeepTheNotices()
    {
        KnownModel model;
        const QByteArray write = request(3, be(572, 2) + be(5, 4) + QByteArray(1, '\1'));
        model.setFault(M::Fault::Silent);
        QVERIFY(exchange(model, write).isEmpty());
        QVERIFY(model.writes().isEmpty());
        model.setFault(M::Fault::Refuse, 2);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(exchange(model, write).at(2), '\1');
        QVERIFY(model.writes().isEmpty());
        model.setFloat(13, 4.0f);
        model.setFault(M::Fault::Corrupt, 1);
        QVERIFY(!crcOk(exchange(model, request(4))));
        // Late: a reply not waited for, as after the program's time-out, and
        // the next one no sooner than asked.
        model.setFault(M::Fault::Latency, 150);
        QVERIFY(exchange(model, request(4), 1).isEmpty());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(payloadOf(exchange(model, request(4), 0, 5000)).toHex(), QByteArray("02000d"));
        QVERIFY(timer.elapsed() >= 149); // two clocks started apart may differ by a tick
        model.setFault(M::Fault::None);
        QCOMPARE(exchange(model, write).at(2), '\0');
        QCOMPARE(model.writes().size(), 1);
    }

    void controlLanguage()
    {
        KnownModel model;
        ControlProtocol control(&model);
        const QStringList ok{"ok"};
        QCOMPARE(control.execute("set 13 3"), ok);
        QCOMPARE(control.execute("get 13"), QStringList({"13 40400000", "ok"}));
        QCOMPARE(control.execute("setu 13 7"), ok);
        QCOMPARE(control.execute("setraw 13 deadBEEF"), ok);
        QCOMPARE(model.raw(13), 0xDEADBEEFu);
        for (const char* line : {"min 13 -5.5", "max 13 99", "physic 13 9"})
            QCOMPARE(control.execute(line), ok);
        QVERIFY(model.minimum(13) == -5.5f && model.maximum(13) == 99.0f && model.physic(13) == 9u);
        QCOMPARE(control.execute("event " + QString(42, 'a')), QStringList({"0x00000000", "ok"}));
        QCOMPARE(model.eventAt(0), QByteArray(21, char(0xAA)));
        for (const char* bad : {"set 4444 1", "set 13 abc", "get", "event 0102", "fault sometimes", "fault refuse -1",
                                "archive 10 /nonexistent", "memory 0x10 /nonexistent", "bogus"})
            QVERIFY2(control.execute(bad).last().startsWith("error: "), bad);
        QVERIFY(control.execute("   ").isEmpty());
        const QPair<const char*, M::Fault> faults[] = {{"fault corrupt 3", M::Fault::Corrupt},
                                                       {"fault latency 20", M::Fault::Latency},
                                                       {"fault refuse 30", M::Fault::Refuse},
                                                       {"fault silent", M::Fault::Silent},
                                                       {"fault none", M::Fault::None}};
        for (const auto& fault : faults)
            QVERIFY2(control.execute(fault.first) == ok && model.fault() == fault.second, fault.first);
        QVERIFY(!control.quitRequested());
        QCOMPARE(control.execute("quit"), ok);
        QVERIFY(control.quitRequested());
    }

    void emulatorProcess()
    {
        EmulatorProcess emulator;
        QVERIFY2(emulator.start(), "controller_emu and its control socket");
        // The default seed.
        QCOMPARE(emulator.command("get 578"), QByteArray("578 3F800000\nok\n"));
        // A client that closes its sending side still gets every answer, as
        // with the README's socat.
        QProcess socat;
        socat.start("socat", {"-", "UNIX-CONNECT:" + emulator.control});
        QVERIFY2(socat.waitForStarted(5000), "socat (installed by scripts/deps.sh)");
        socat.write("set 13 3\nget 13\n");
        socat.closeWriteChannel();
        QVERIFY2(socat.waitForFinished(5000), "socat ending");
        QCOMPARE(socat.readAllStandardOutput(), QByteArray("ok\n13 40400000\nok\n"));

        // Memory and archive files, from a path with a blank, over the link.
        QByteArray data(5000, '\0');
        for (int i = 0; i < data.size(); ++i)
            data[i] = char(i * 13);
        QFile file(emulator.dir.filePath("data with blank.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(data) == data.size());
        file.close();
        SocketSpiTransport transport(emulator.link);
        QVERIFY(transport.open());
        QCOMPARE(emulator.command("memory 0x10 " + file.fileName().toUtf8()), QByteArray("ok\n"));
        QCOMPARE(payloadOf(exchange(transport, request(9, be(0x10, 4) + be(8, 2)))).mid(6), data.left(8));
        QCOMPARE(emulator.command("archive 12 " + file.fileName().toUtf8()), QByteArray("ok\n"));
        QCOMPARE(payloadOf(exchange(transport, request(12, archiveRequest(10, 20)))).mid(15), data.mid(10, 20));
        QCOMPARE(emulator.command("stats"), QByteArray("9 1\n12 1\nok\n"));
        // One program at a time: the next is served once the first goes.
        SocketSpiTransport next(emulator.link);
        QVERIFY(next.open());
        transport.close();
        QVERIFY(crcOk(exchange(next, request(1))));

        QCOMPARE(emulator.command("quit"), QByteArray("ok\n"));
        QVERIFY(emulator.endedCleanly());
        // With the emulator gone a transfer fails and closes the transport.
        quint8 bytes[4] = {};
        QCOMPARE(next.transfer(bytes, bytes, 4, 500000), -1);
        QVERIFY(!next.isOpen() && !next.open());
    }

    void emulatorStopsOnSigterm()
    {
        EmulatorProcess emulator;
        QFile seed(emulator.dir.filePath("seed.csv"));
        QVERIFY(seed.open(QIODevice::WriteOnly) && seed.write("id,value\n13,5\n570,0x00000001\n") > 0);
        seed.close();
        QVERIFY2(emulator.start({"--seed", seed.fileName()}), "controller_emu and its control socket");
        QCOMPARE(emulator.command("get 13"), QByteArray("13 40A00000\nok\n"));
        QCOMPARE(emulator.command("get 570"), QByteArray("570 00000001\nok\n"));
        emulator.process.terminate();
        QVERIFY(emulator.endedCleanly());
    }
};

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controller_emulator.moc"
