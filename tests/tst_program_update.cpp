// The program against the controller emulator: an image laid out in the
// controller's memory and 763 = 1 give a "vrx_gui_tmp" beside the program
// that is the image byte for byte, 763 = 0 back to the controller and one
// start of the updater; also when the controller refuses one of the image's
// reads again and again.
#include "process_station.h"
#include "rawbits.h"
#include "wait_for.h"

#include <QDir>
#include <QtTest>

class TestProgramUpdate : public QObject
{
    Q_OBJECT

private:
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
    // Memory reads (command 9) the emulator has answered or refused.
    int memoryReads() const
    {
        for (const QByteArray& line : m_station.control("stats").split('\n'))
            if (line.startsWith("9 "))
                return line.mid(2).toInt();
        return 0;
    }
    int updaterStarts() { return m_station.programLog().count("[dry-run] ./vrx_updater_new"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_station.startEmulator());
        QVERIFY(m_station.startProgram());
        QVERIFY2(m_station.waitForWrite(1103, 20000), m_station.programLog().constData());
    }

    void imageFromTheControllerIsInstalled()
    {
        const QByteArray image = layOutImage(3 * 4096 + 1234, 0x2545F491u); // several reads, the last one short
        QVERIFY(!image.isEmpty());
        QVERIFY(!QFile::exists(tmpFile()));

        QCOMPARE(m_station.control("set 763 1"), QByteArray("ok\n"));
        QTRY_VERIFY2_WITH_TIMEOUT(updaterStarts() == 1, "the updater's start", 15000);
        QCOMPARE(writesOf("763"), QByteArrayList{raw(0.0f)});
        QVERIFY(writesOf("724").contains(raw(image.size() / 1024.0f))); // the whole image, in KiB
        QCOMPARE(tmpBytes(), image);
        QCOMPARE(updaterStarts(), 1);
        QVERIFY(!m_station.programLog().contains("Error CRC"));
    }

    void imageReadRefusedAgainAndAgainIsAskedAgain()
    {
        // The controller refuses one read of the image again and again: the
        // read is asked again later, so the update goes on and installs the
        // image whole.
        const QByteArray image = layOutImage(200000, 0x9E3779B9u);
        QVERIFY(!image.isEmpty());
        const int startsBefore = updaterStarts();
        const int readsBefore = memoryReads();

        QCOMPARE(m_station.control("set 763 1"), QByteArray("ok\n"));
        QVERIFY2(waitFor([&] { return memoryReads() >= readsBefore + 6; }, 10000), "the image's first reads");
        QCOMPARE(m_station.control("fault refuse 25 9"), QByteArray("ok\n"));
        QTRY_VERIFY2_WITH_TIMEOUT(updaterStarts() == startsBefore + 1, "the updater's start", 15000);
        QCOMPARE(m_station.control("fault none"), QByteArray("ok\n"));

        QVERIFY2(m_station.programLog().contains("command 9 refused (1 in a row), asked again later"),
                 "a memory read refused");
        QVERIFY(!writesOf("763").contains(raw(2.0f)));
        QCOMPARE(writesOf("763"), QByteArrayList({raw(0.0f), raw(0.0f)}));
        QCOMPARE(tmpBytes().size(), image.size());
        QVERIFY(tmpBytes() == image);
    }
};

QTEST_GUILESS_MAIN(TestProgramUpdate)
#include "tst_program_update.moc"
