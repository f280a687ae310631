// The controller emulator: the model answering the program's own side of the
// link, its faults, its control language, and the controller_emu program
// through its control socket (socat included) and the socket transport.
#include "model_transport.h"
#include "process_station.h"
#include "rawbits.h"
#include "socketspitransport.h"
#include "spidriver.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QtTest>

namespace {

using M = ControllerModel;

QByteArray be(quint32 v, int bytes)
{
    QByteArray b;
    for (int i = bytes - 1; i >= 0; --i)
        b.append(char(v >> (8 * i)));
    return b;
}

// The program's side of one exchange (the driver's own): the whole reply
// frame, or nothing when none came within the time-out.
struct Master
{
    SpiDriver driver{nullptr, false};
    explicit Master(SpiTransport* transport) { driver.setTransport(std::unique_ptr<SpiTransport>(transport)); }
    QByteArray ask(quint8 command, const QByteArray& payload = QByteArray(), int timeoutMs = 200)
    {
        quint8 request[300] = {};
        std::copy(payload.constBegin(), payload.constEnd(), request + 2);
        driver.setCurrentCommand(command);
        driver.preparePackage(request, unsigned(payload.size() + 4));
        if (!driver.sendPackage(timeoutMs))
            return QByteArray();
        return QByteArray(reinterpret_cast<const char*>(driver.reply()), int(driver.replyLength()));
    }
    QByteArray payload(quint8 command, const QByteArray& body = QByteArray())
    {
        const QByteArray reply = ask(command, body);
        return reply.mid(5, reply.size() - 7);
    }
    quint8 notice() { return quint8(ask(1).at(3)); }
};

// A model with a few parameters, its clock and wire time stopped.
struct KnownModel : ControllerModel, Master
{
    KnownModel()
        : Master(new ModelTransport(this))
    {
        for (quint16 id : {13, 562, 572, 10001})
            defineParameter(id, id == 562 ? 1 : (id == 10001 ? 7 : 0));
        setWireTimeSimulated(false);
        setClockRunning(false);
    }
};

// A normal exit that removed both socket files.
bool endedCleanly(ProcessStation& station)
{
    QProcess& emulator = station.emulator();
    return emulator.waitForFinished(5000) && emulator.exitStatus() == QProcess::NormalExit && emulator.exitCode() == 0
           && !QFile::exists(station.linkSocket()) && !QFile::exists(station.directory() + "/control.sock");
}

} // namespace

class TestControllerEmulator : public QObject
{
    Q_OBJECT

private slots:
    void readsWritesAndChanges()
    {
        KnownModel model;
        QCOMPARE(model.ask(1).toHex(), QByteArray("0107000000b418"));
        model.setFloat(13, 3.0f);
        model.setMin(10001, 35.0f);
        // Values, limits and codes by id; an unknown id reads as FFFFFFFF.
        QCOMPARE(model.payload(2, be(13, 2) + be(4444, 2)).toHex(), QByteArray("000d40400000115cffffffff"));
        QCOMPARE(model.payload(7, be(10001, 2)).toHex(), QByteArray("2711420c0000"));
        QCOMPARE(model.payload(8, be(13, 2)).toHex(), QByteArray("000d497423f0")); // the default 999999
        QCOMPARE(model.payload(15, be(10001, 2) + be(562, 2)).toHex(), QByteArray("271140e00000" "02323f800000"));
        // Writes are logged and announced, the unknown id only logged; one
        // change record per id and kind, in order, none left after.
        model.payload(4);
        model.payload(3, be(13, 2) + be(bitsFromFloat(3.0f), 4) + '\1' + be(572, 2) + be(7, 4) + '\3' + be(4444, 2)
                             + be(7, 4) + '\1');
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

    void eventsBoundsAndRefusals()
    {
        KnownModel model;
        QCOMPARE(model.addEvent(QByteArray(21, char(0x7E))), 0u);
        QCOMPARE(model.addEvent(QByteArray(21, '\x02')), 21u);
        // Announced once no change is waiting.
        model.setFloat(13, 1.0f);
        QCOMPARE(model.notice(), quint8(M::NoticeChanges));
        model.payload(4);
        QCOMPARE(model.notice(), quint8(M::NoticeEvents));
        QCOMPARE(model.payload(5).toHex(), QByteArray("0000000000000015"));
        QCOMPARE(model.payload(6, be(21, 4) + be(0xFFFFFFF0u, 4)), QByteArray(21, '\x02') + QByteArray(21, char(0xFF)));
        // At most 255 change records, and no more memory than a frame holds.
        for (int id = 0; id < 300; ++id)
            model.defineParameter(quint16(id), 0);
        for (int id = 0; id < 300; ++id)
            model.setFloat(quint16(id), 2.0f);
        QCOMPARE(model.payload(4).size(), M::MaxRecords * 3);
        QCOMPARE(model.payload(4).size(), (300 - M::MaxRecords) * 3);
        const QByteArray memory = model.payload(9, be(0x1000000, 4) + be(6000, 2));
        QVERIFY(memory.size() < SpiFrame::BufferSize && memory.mid(4, 2) == be(memory.size() - 6, 2));
        // No command 10; a memory read without its size.
        QCOMPARE(model.ask(10).mid(0, 3).toHex(), QByteArray("0a0701"));
        QCOMPARE(model.ask(9, be(0, 4)).at(2), '\1');
    }

    // Whatever a fault does to a reply, the notices it carried stay pending.
    void faultsKeepTheNotices()
    {
        KnownModel model;
        const QByteArray write = be(572, 2) + be(5, 4) + '\1';
        model.setFault(M::Fault::Silent);
        QVERIFY(model.ask(3, write).isEmpty());
        model.setFault(M::Fault::Refuse, 2);
        QCOMPARE(model.ask(3, write).at(2), '\1');
        QCOMPARE(model.ask(3, write).at(2), '\1');
        QVERIFY(model.writes().isEmpty());
        model.setFloat(13, 4.0f);
        model.setFault(M::Fault::Corrupt, 1);
        const QByteArray corrupt = model.ask(4);
        QVERIFY(!SpiFrame::checkCrc(reinterpret_cast<const quint8*>(corrupt.constData()), corrupt.size()));
        // Late: a reply not waited for, as after the program's time-out, and
        // the next no sooner than asked.
        model.setFault(M::Fault::Latency, 150);
        QVERIFY(model.ask(4, QByteArray(), 1).isEmpty());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(model.ask(4, QByteArray(), 5000).mid(5, 3).toHex(), QByteArray("02000d"));
        QVERIFY(timer.elapsed() >= 149); // two clocks started apart may differ by a tick
        model.setFault(M::Fault::None);
        QCOMPARE(model.ask(3, write).at(2), '\0');
        QCOMPARE(model.writes().size(), 1);
    }

    void emulatorProcess()
    {
        ProcessStation emulator;
        QVERIFY2(emulator.startEmulator(), "controller_emu and its control socket");
        QCOMPARE(emulator.control("get 578"), QByteArray("578 3F800000\nok\n")); // from the seed
        // A client that closes its sending side still gets every answer, as
        // with the README's socat.
        QProcess socat;
        socat.start("socat", {"-", "UNIX-CONNECT:" + emulator.directory() + "/control.sock"});
        QVERIFY2(socat.waitForStarted(5000), "socat (installed by scripts/deps.sh)");
        socat.write("set 13 3\nget 13\n");
        socat.closeWriteChannel();
        QVERIFY2(socat.waitForFinished(5000), "socat ending");
        QCOMPARE(socat.readAllStandardOutput(), QByteArray("ok\n13 40400000\nok\n"));
        // A memory file from a path with a blank, read over the link.
        QFile file(emulator.directory() + "/data with blank.bin");
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("memory bytes") == 12);
        file.close();
        auto* transport = new SocketSpiTransport(emulator.linkSocket());
        Master first(transport);
        QCOMPARE(emulator.control("memory 0x10 " + file.fileName().toUtf8()), QByteArray("ok\n"));
        QCOMPARE(first.payload(9, be(0x10, 4) + be(6, 2)).mid(6), QByteArray("memory"));
        QCOMPARE(emulator.control("stats"), QByteArray("9 1\nok\n"));
        // Faults by name; what the program's tests do not reach of the language.
        for (const char* fault : {"fault corrupt 3", "fault latency 20", "fault refuse 30", "fault none", "min 13 -5.5",
                                  "max 13 99", "physic 13 9", "setraw 13 deadBEEF"})
            QVERIFY2(emulator.control(fault) == "ok\n", fault);
        for (const char* bad : {"set 4444 1", "set 13 abc", "get", "event 0102", "fault refuse -1", "archive 10 /x", "bogus"})
            QVERIFY2(emulator.control(bad).startsWith("error: "), bad);
        // One program at a time: the next is served once the first goes.
        auto* other = new SocketSpiTransport(emulator.linkSocket());
        Master next(other);
        QVERIFY(other->open());
        transport->close();
        QCOMPARE(next.ask(1).size(), 7);
        QCOMPARE(emulator.control("quit"), QByteArray("ok\n"));
        QVERIFY(endedCleanly(emulator));
        QVERIFY(next.ask(1).isEmpty() && !other->isOpen() && !other->open());
    }

    void emulatorStopsOnSigterm()
    {
        ProcessStation emulator;
        QFile seed(emulator.directory() + "/own seed.csv");
        QVERIFY(seed.open(QIODevice::WriteOnly) && seed.write("id,value\n13,5\n570,0x00000001\n") > 0);
        seed.close();
        QVERIFY2(emulator.startEmulator(seed.fileName()), "controller_emu and its control socket");
        QCOMPARE(emulator.control("get 13"), QByteArray("13 40A00000\nok\n"));
        QCOMPARE(emulator.control("get 570"), QByteArray("570 00000001\nok\n"));
        emulator.emulator().terminate();
        QVERIFY(endedCleanly(emulator));
    }
};

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controller_emulator.moc"
