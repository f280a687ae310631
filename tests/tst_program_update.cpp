// The program against the controller emulator: an image laid out in the
// controller's memory and 763 = 1 give a "vrx_gui_tmp" beside the program
// that is the image byte for byte, 763 = 0 back to the controller and one
// start of the updater.
#include "process_station.h"
#include "rawbits.h"

#include <QDir>
#include <QFile>
#include <QtTest>

namespace {

QByteArray patternImage(int size)
{
    QByteArray image(size, '\0');
    quint32 x = 0x2545F491u;
    for (int i = 0; i < size; ++i) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        image[i] = char(x);
    }
    return image;
}

QByteArray rawHex(float value)
{
    return QByteArray::number(bitsFromFloat(value), 16).rightJustified(8, '0').toUpper();
}

// Writes of id as their raw words, oldest first.
QByteArrayList writesOf(const ProcessStation& station, const QByteArray& id)
{
    QByteArrayList raws;
    for (const QByteArrayList& w : station.writes())
        if (w.at(0) == id)
            raws << w.at(1).toUpper();
    return raws;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TestProgramUpdate : public QObject
{
    Q_OBJECT

private slots:
    void imageFromTheControllerIsInstalled()
    {
        ProcessStation station;
        QVERIFY(station.startEmulator());
        QVERIFY(station.startProgram());
        QVERIFY2(station.waitForWrite(1103, 60000), station.programLog().constData());

        // Several reads, the last one short.
        const QByteArray image = patternImage(3 * 4096 + 1234);
        const QString imagePath = QDir(station.directory()).filePath("image.bin");
        {
            QFile f(imagePath);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(image), qint64(image.size()));
        }
        const QString tmp = QDir(station.directory()).filePath("vrx_gui_tmp");
        QVERIFY(!QFile::exists(tmp));

        QCOMPARE(station.control("image " + imagePath.toLocal8Bit()), QByteArray("ok\n"));
        QCOMPARE(station.control("set 763 1"), QByteArray("ok\n"));

        QTRY_VERIFY2_WITH_TIMEOUT(!writesOf(station, "763").isEmpty(), station.programLog().constData(), 60000);
        QCOMPARE(writesOf(station, "763"), QByteArrayList{rawHex(0.0f)});
        QCOMPARE(readFile(tmp), image);
        // The progress reached the whole image, in KiB.
        QVERIFY(writesOf(station, "724").contains(rawHex(image.size() / 1024.0f)));

        QTRY_VERIFY_WITH_TIMEOUT(station.programLog().contains("[dry-run] ./vrx_updater_new"), 10000);
        // Give a second start, if there were one, the time to show.
        QTest::qWait(1000);
        const QByteArray log = station.programLog();
        QCOMPARE(log.count("[dry-run] ./vrx_updater_new"), 1);
        QVERIFY(log.contains("Update finish"));
        QVERIFY(!log.contains("Error CRC"));
        QCOMPARE(writesOf(station, "763").size(), 1);
    }
};

QTEST_GUILESS_MAIN(TestProgramUpdate)
#include "tst_program_update.moc"
