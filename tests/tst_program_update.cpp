// The program against the controller emulator. The controller refuses the
// image's read for good: that read holds nothing else back and ends with the
// update (763 = 2), after which no read reaches the controller. An image laid
// out in the controller's memory and 763 = 1 give a "vrx_gui_tmp" beside the
// program that is the image byte for byte, 763 = 0 back to the controller and
// one start of the updater, also when the controller refuses one of the
// image's reads again and again. The updater only dry-runs here and replaces
// nothing: a new 763 = 1 after its start begins a new update.
#include "process_station.h"
#include "rawbits.h"
#include "service_client.h"
#include "wait_for.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

class TestProgramUpdate : public QObject
{
    Q_OBJECT

private:
    // The update's answer time-out in this suite, set through the program's
    // environment: long enough for 25 refusals asked again 100 ms apart.
    static constexpr int AnswerTimeoutMs = 5000;
    ProcessStation m_station;

    // Writes of id as their raw words, oldest first.
    QByteArrayList writesOf(const QByteArray& id) const
    {
        QByteArrayList raws;
        for (const QByteArrayList& w : m_station.writes())
            if (w.at(0) == id)
                raws << w.at(1).toUpper();
        return raws;
    }
    static QByteArray raw(float value) { return QByteArray::number(bitsFromFloat(value), 16).rightJustified(8, '0').toUpper(); }

    // Lays a pseudo-random image of size bytes out in the controller's memory
    // and removes what an earlier update left beside the program.
    QByteArray layOutImage(int size, quint32 seed)
    {
        QByteArray image(size, '\0');
        for (char& c : image)
            c = char((seed = seed * 1103515245u + 12345u) >> 16);
        QFile file(QDir(m_station.directory()).filePath("image.bin"));
        if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
            return QByteArray();
        file.close();
        QFile::remove(tmpFile());
        if (m_station.control("image " + file.fileName().toLocal8Bit()) != "ok\n")
            return QByteArray();
        return image;
    }
    QString tmpFile() const { return QDir(m_station.directory()).filePath("vrx_gui_tmp"); }
    QByteArray tmpBytes() const
    {
        QFile tmp(tmpFile());
        return tmp.open(QIODevice::ReadOnly) ? tmp.readAll() : QByteArray("<missing>");
    }
    // Memory reads (command 9) that have reached the emulator, answered or refused.
    int memoryReads() const { return int(m_station.received(9)); }
    // The updater is started by its own path, beside the program.
    int updaterStarts()
    {
        const QString updater = QFileInfo(m_station.directory()).canonicalFilePath() + "/vrx_updater_new";
        return m_station.programLog().count("[dry-run] " + updater.toLocal8Bit() + "\n");
    }
    // Sets 13 on the controller and waits for the program to pass the new
    // value on to a service client; the time it took, -1 after a second.
    qint64 changeOf13Reaches(BlockClient& client, float value)
    {
        QElapsedTimer took;
        took.start();
        if (m_station.control("set 13 " + QByteArray::number(double(value))) != "ok\n")
            return -1;
        return client.waitCount(valueIs(13, 2, bitsFromFloat(value)), 1, 1000) ? took.elapsed() : -1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_station.startEmulator());
        QVERIFY(m_station.startProgram({}, {"VRX_UPDATE_ANSWER_TIMEOUT_MS=" + QString::number(AnswerTimeoutMs)}));
        QVERIFY2(m_station.waitForWrite(1103, 20000), m_station.programLog().constData());
    }

    // The controller refuses the image's read for good: the rest of the link
    // goes on, so a change of 13 reaches the program within a second; the
    // update gives up at its answer time-out (763 = 2); the read is not asked
    // after that; the link is never shown down.
    void imageReadRefusedForGoodEndsWithTheUpdate()
    {
        const QByteArray image = layOutImage(200000, 0x6A09E667u);
        QVERIFY(!image.isEmpty());
        const int logFrom = m_station.programLog().size();
        const int failedBefore = writesOf("763").count(raw(2.0f));
        const int readsBefore = memoryReads();
        const int startsBefore = updaterStarts();
        BlockClient client;
        QVERIFY2(client.connectTo(5321) && client.ready(), "a service client on 5321");
        const qint64 healthy = changeOf13Reaches(client, 17.25f);
        QVERIFY2(healthy >= 0, "a change of 13 on a healthy link");

        // The emulator counts the memory reads at the moment 763 = 2 arrives.
        QCOMPARE(m_station.control("watch 763 " + raw(2.0f)), QByteArray("ok\n"));
        QCOMPARE(m_station.control("set 763 1"), QByteArray("ok\n"));
        QVERIFY2(waitFor([&] { return memoryReads() >= readsBefore + 6; }, 10000), "the image's first reads");
        QCOMPARE(m_station.control("fault refuse 100000000 9"), QByteArray("ok\n"));
        QElapsedTimer refused;
        refused.start();
        QList<qint64> took;
        for (float value : {18.5f, 19.75f, 21.0f}) {
            took << changeOf13Reaches(client, value);
            QVERIFY2(took.last() >= 0, "a change of 13 within a second while the read is refused");
        }
        QVERIFY2(waitFor([&] { return writesOf("763").count(raw(2.0f)) > failedBefore; }, AnswerTimeoutMs + 3000),
                 "763 = 2 at the answer time-out");
        // Every memory read that reached the controller after 763 = 2,
        // refused or answered, counts against the update.
        const qint64 readsAtEnd = m_station.receivedAtWatchedWrite(9);
        QVERIFY2(readsAtEnd > readsBefore, "the memory reads counted at 763 = 2");
        const qint64 gaveUp = refused.elapsed();
        qInfo("change of 13: %lld ms on a healthy link, %lld / %lld / %lld ms while refused; 763 = 2 after %lld ms",
              healthy, took.at(0), took.at(1), took.at(2), gaveUp);

        // A read still asked would come again every 100 ms, refused while the
        // refusal holds and answered once it is lifted.
        QTest::qWait(3 * 100);
        QCOMPARE(m_station.control("fault none"), QByteArray("ok\n"));
        QTest::qWait(3 * 100);
        QCOMPARE(qint64(memoryReads()), readsAtEnd);
        const QByteArray log = m_station.programLog().mid(logFrom);
        QVERIFY2(!log.contains("SPIDrive: loop ---"), "the link never shown down");
        QCOMPARE(client.count([](const Reply& r) { return r.command == 8 && r.value == 0; }), 0);
        QVERIFY2(log.count("refused (") <= 1, "one refusal line in the 10 s");
        QCOMPARE(updaterStarts(), startsBefore);
    }

    // Several reads, the last one short; the controller refuses one of them
    // again and again: the read is asked again later, so the update goes on
    // and installs the image whole.
    void imageFromTheControllerIsInstalled()
    {
        const QByteArray image = layOutImage(200000, 0x9E3779B9u);
        QVERIFY(!image.isEmpty());
        QVERIFY(!QFile::exists(tmpFile()));
        const int logFrom = m_station.programLog().size();
        const int resultsBefore = writesOf("763").size();
        const int startsBefore = updaterStarts();
        const int readsBefore = memoryReads();
        const quint64 refusedBefore = m_station.received(9) - m_station.served(9);

        QCOMPARE(m_station.control("set 763 1"), QByteArray("ok\n"));
        QVERIFY2(waitFor([&] { return memoryReads() >= readsBefore + 6; }, 10000), "the image's first reads");
        QCOMPARE(m_station.control("fault refuse 25 9"), QByteArray("ok\n"));
        QTRY_VERIFY2_WITH_TIMEOUT(updaterStarts() == startsBefore + 1, "the updater's start", 15000);
        QCOMPARE(m_station.control("fault none"), QByteArray("ok\n"));

        QCOMPARE(m_station.received(9) - m_station.served(9), refusedBefore + 25);
        QCOMPARE(writesOf("763").mid(resultsBefore), QByteArrayList{raw(0.0f)});
        QVERIFY(writesOf("724").contains(raw(image.size() / 1024.0f))); // the whole image, in KiB
        QCOMPARE(tmpBytes().size(), image.size());
        QVERIFY(tmpBytes() == image);
        QVERIFY(!QFile::exists(tmpFile() + ".part"));
        QVERIFY(!m_station.programLog().mid(logFrom).contains("Error CRC"));
    }

    // The updater started and the program is still there: the controller's
    // 763 = 1 again begins a new update, which reads the image anew, reports
    // 763 = 0 and starts the updater a second time.
    void requestAfterTheUpdaterStartedBeginsAnew()
    {
        const int startsBefore = updaterStarts();
        QVERIFY(startsBefore > 0);
        const QByteArray image = layOutImage(30000, 0x3C6EF372u);
        QVERIFY(!image.isEmpty());
        const int logFrom = m_station.programLog().size();
        const int resultsBefore = writesOf("763").size();
        const int readsBefore = memoryReads();
        QCOMPARE(m_station.control("set 763 1"), QByteArray("ok\n"));
        QTRY_VERIFY2_WITH_TIMEOUT(updaterStarts() == startsBefore + 1, "the updater's second start", 15000);
        // Probe, header and eight image reads.
        QVERIFY(memoryReads() >= readsBefore + 10);
        QCOMPARE(writesOf("763").mid(resultsBefore), QByteArrayList{raw(0.0f)});
        QVERIFY(tmpBytes() == image);
        QVERIFY(!m_station.programLog().mid(logFrom).contains("request ignored"));
    }
};

QTEST_GUILESS_MAIN(TestProgramUpdate)
#include "tst_program_update.moc"
