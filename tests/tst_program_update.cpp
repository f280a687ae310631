// The program against the controller emulator: an image laid out in the
// controller's memory and 763 = 1 give a "vrx_gui_tmp" beside the program
// that is the image byte for byte, 763 = 0 back to the controller and one
// start of the updater.
#include "process_station.h"
#include "rawbits.h"

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

private slots:
    void initTestCase()
    {
        QVERIFY(m_station.startEmulator());
        QVERIFY(m_station.startProgram());
        QVERIFY2(m_station.waitForWrite(1103, 20000), m_station.programLog().constData());
    }

    void imageFromTheControllerIsInstalled()
    {
        QByteArray image(3 * 4096 + 1234, '\0'); // several reads, the last one short
        quint32 x = 0x2545F491u;
        for (char& c : image)
            c = char((x = x * 1103515245u + 12345u) >> 16);
        QFile file(QDir(m_station.directory()).filePath("image.bin"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(image) == image.size());
        file.close();
        QFile tmp(QDir(m_station.directory()).filePath("vrx_gui_tmp"));
        QVERIFY(!tmp.exists());

        QCOMPARE(m_station.control("image " + file.fileName().toLocal8Bit()), QByteArray("ok\n"));
        QCOMPARE(m_station.control("set 763 1"), QByteArray("ok\n"));
        QTRY_VERIFY2_WITH_TIMEOUT(m_station.programLog().contains("[dry-run] ./vrx_updater_new"), "the updater's start", 15000);
        QCOMPARE(writesOf("763"), QByteArrayList{raw(0.0f)});
        QVERIFY(writesOf("724").contains(raw(image.size() / 1024.0f))); // the whole image, in KiB
        QVERIFY(tmp.open(QIODevice::ReadOnly));
        QCOMPARE(tmp.readAll(), image);
        QCOMPARE(m_station.programLog().count("[dry-run] ./vrx_updater_new"), 1);
        QVERIFY(!m_station.programLog().contains("Error CRC"));
    }
};

QTEST_GUILESS_MAIN(TestProgramUpdate)
#include "tst_program_update.moc"
