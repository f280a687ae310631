// The software update: the probe, the header, the image in 4096-byte reads
// with the chained CRC, the copy of the program overwritten with the image,
// the result in 763 and the progress in 724; driven directly with answers
// from an in-process controller's memory, and over the real link.
#include "common.h"
#include "controller_model.h"
#include "model_transport.h"
#include "parameters.h"
#include "parametershandler.h"
#include "rawbits.h"
#include "spidriver.h"
#include "spithread.h"
#include "systemcommands.h"
#include "test_application.h"
#include "test_database.h"
#include "update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <memory>

namespace {

QByteArray patternImage(int size, quint32 seed)
{
    QByteArray image(size, '\0');
    quint32 x = seed;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        image[i] = char(x >> 16);
    }
    return image;
}

quint16 crcOf(const QByteArray& bytes)
{
    return Common::crc16(reinterpret_cast<const unsigned char*>(bytes.constData()),
                         static_cast<unsigned int>(bytes.size()), 0xFFFF);
}

void putU16(QByteArray& b, int at, quint16 v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char(v >> 8);
}

void putU32(QByteArray& b, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

QByteArray header(quint32 base, quint32 offset, quint32 size, quint16 crc)
{
    QByteArray h(Update::HeaderSize, '\0');
    putU32(h, 0, base);
    putU16(h, 4, 338);
    h[6] = 1;
    putU32(h, 14, offset);
    putU32(h, 18, size);
    putU16(h, 24, crc);
    return h;
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList updaterStarts()
{
    QStringList starts;
    for (const SystemCommands::Call& call : SystemCommands::recorded())
        if (call.program == QLatin1String(Update::UpdaterCommand))
            starts << call.text();
    return starts;
}

// Answers the update's reads from a controller's memory, one event-loop
// turn later as the link would. The answer's bytes stay valid until the
// next answer, as the driver's buffer does.
class MemoryFeeder : public QObject
{
public:
    MemoryFeeder(Update* update, ControllerModel* model)
        : m_update(update)
        , m_model(model)
    {
        connect(update, &Update::signalRead, this, [this](quint32 address, quint16 size) {
            reads << qMakePair(address, size);
            if (silentFrom >= 0 && reads.size() > silentFrom)
                return;
            QTimer::singleShot(0, this, [this, address, size]() { answer(address, size); });
        });
    }

    void answer(quint32 address, quint16 size)
    {
        if (strayBefore == reads.size()) {
            // A late answer for some other read arrives first.
            m_stray = m_model->readMemory(address + 4096, size);
            m_update->slotRead(address + 4096, size, reinterpret_cast<quint8*>(m_stray.data()));
        }
        m_buffer = m_model->readMemory(address, size);
        m_update->slotRead(address, size, reinterpret_cast<quint8*>(m_buffer.data()));
    }

    QList<QPair<quint32, quint16>> reads;
    // Reads after this many go unanswered; -1 answers all.
    int silentFrom = -1;
    // Before answering the read with this number (1-based), a stray answer.
    int strayBefore = -1;

private:
    Update* m_update;
    ControllerModel* m_model;
    QByteArray m_buffer;
    QByteArray m_stray;
};

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    QTemporaryDir* m_dir = nullptr;
    QString m_program;
    QByteArray m_programBytes;

    Parameters* store() { return MainApplication::getInstance()->getParameters(); }
    QString tmpFile() const { return QDir(m_dir->path()).filePath("vrx_gui_tmp"); }

    // Values written to id, as floats, in order.
    static QList<float> writesOf(const QSignalSpy& spy, quint16 id)
    {
        QList<float> values;
        for (const QList<QVariant>& w : spy)
            if (w.at(0).value<quint16>() == id)
                values << floatFromBits(w.at(1).value<quint32>());
        return values;
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        m_dir = new QTemporaryDir;
        QVERIFY(m_dir->isValid());
        // The running program, as far as the update can tell.
        m_program = QDir(m_dir->path()).filePath("vrx_gui");
        m_programBytes = patternImage(50000, 7);
        QFile program(m_program);
        QVERIFY(program.open(QIODevice::WriteOnly));
        program.write(m_programBytes);
        program.close();
        program.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        Update::setProgramFile(m_program);
    }

    void cleanupTestCase()
    {
        Update::setProgramFile(QString());
        delete m_dir;
        delete m_db;
    }

    void init()
    {
        SystemCommands::clearRecorded();
        Update::setProgramFile(m_program);
    }

    void goodImageReadInPiecesAndInstalled()
    {
        ControllerModel model;
        const QByteArray image = patternImage(10000, 1);
        model.loadImage(image);
        // Left over from an earlier attempt, and longer than the image.
        {
            QFile stale(tmpFile());
            QVERIFY(stale.open(QIODevice::WriteOnly));
            stale.write(QByteArray(20000, 'x'));
        }
        QFile updater(QDir(m_dir->path()).filePath("vrx_updater_new"));
        QVERIFY(updater.open(QIODevice::WriteOnly));
        updater.close();
        updater.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);

        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        Update update;
        QVERIFY(updater.permissions() & QFileDevice::ExeOwner);
        QVERIFY(updater.permissions() & QFileDevice::ExeOther);
        QCOMPARE(update.imageFile(), tmpFile());
        MemoryFeeder feeder(&update, &model);
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.count(), 1);
        QCOMPARE(done.at(0).at(0).toBool(), true);

        const QList<QPair<quint32, quint16>> expected = {
            {0x800000, 3}, {0xD00000, 26}, {0xD00100, 4096}, {0xD01100, 4096}, {0xD02100, 1808}};
        QCOMPARE(feeder.reads, expected);
        QCOMPARE(update.crc(), crcOf(image));
        QCOMPARE(update.received(), 10000u);
        QCOMPARE(readFile(tmpFile()), image);
        // The copy keeps the program's execute permission.
        QVERIFY(QFileInfo(tmpFile()).permissions() & QFileDevice::ExeOwner);
        QCOMPARE(readFile(m_program), m_programBytes);
        QCOMPARE(writesOf(writes, 763), QList<float>{0.0f});
        QCOMPARE(writesOf(writes, 724).last(), 10000.0f / 1024.0f);
        QCOMPARE(updaterStarts(), QStringList{"./vrx_updater_new"});
        QCOMPARE(update.state(), Update::Installed);
        updater.remove();
    }

    void headerAtTheOtherAddressAndSmallImage()
    {
        ControllerModel model;
        const QByteArray image = patternImage(100, 2);
        // Third probe byte 0: the header lies at 0x800100.
        model.writeMemory(0x800000, QByteArray("\x05\x07\x00", 3));
        model.writeMemory(0x800100, header(0, 6, 100, crcOf(image)));
        model.writeMemory(0x800100 + 26 + 6, image);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        Update update;
        MemoryFeeder feeder(&update, &model);
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), true);
        const QList<QPair<quint32, quint16>> expected = {
            {0x800000, 3}, {0x800100, 26}, {0x800100 + 26 + 6, 100}};
        QCOMPARE(feeder.reads, expected);
        QCOMPARE(readFile(tmpFile()), image);
        QCOMPARE(writesOf(writes, 763), QList<float>{0.0f});
    }

    void corruptedImageIsNotInstalled()
    {
        ControllerModel model;
        const QByteArray image = patternImage(10000, 3);
        model.loadImage(image);
        model.writeMemory(ControllerModel::ImageDataAddress + 5000, QByteArray(1, char(image.at(5000) ^ 0x40)));
        QFile::remove(tmpFile());
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error CRC: 0x[0-9a-f]{4} 0x[0-9a-f]{4}$"));
        Update update;
        MemoryFeeder feeder(&update, &model);
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), false);
        // Nothing installed, the updater not started, and the controller is
        // told the update failed.
        QVERIFY(!QFile::exists(tmpFile()));
        QVERIFY(updaterStarts().isEmpty());
        QCOMPARE(writesOf(writes, 763), QList<float>{2.0f});
        QCOMPARE(update.state(), Update::Failed);
    }

    void badHeaders_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("log");
        QTest::newRow("too large") << header(0, 230, 0xFFFFFFFFu, 0) << "exceeds";
        QTest::newRow("just over the cap") << header(0, 230, Update::MaxImageSize + 1, 0) << "exceeds";
        QTest::newRow("empty") << header(0, 230, 0, 0xFFFF) << "empty image";
        QTest::newRow("outside memory") << header(0, 0xFFFFFF00u, 4096, 0) << "outside";
    }

    void badHeaders()
    {
        QFETCH(QByteArray, head);
        QFETCH(QString, log);
        ControllerModel model;
        model.writeMemory(0x800000, QByteArray("\x01\x00\x01", 3));
        model.writeMemory(0xD00000, head);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(log));
        Update update;
        MemoryFeeder feeder(&update, &model);
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), false);
        QCOMPARE(feeder.reads.size(), 2); // probe and header, no image read
        QCOMPARE(writesOf(writes, 763), QList<float>{2.0f});
        QVERIFY(updaterStarts().isEmpty());
    }

    void answerForAnotherAddressIsIgnored()
    {
        ControllerModel model;
        const QByteArray image = patternImage(10000, 4);
        model.loadImage(image);
        Update update;
        MemoryFeeder feeder(&update, &model);
        feeder.strayBefore = 4; // before the second image read's answer
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), true);
        QCOMPARE(feeder.reads.size(), 5);
        QCOMPARE(readFile(tmpFile()), image);
    }

    void answerWithFewerBytesIsIgnored()
    {
        ControllerModel model;
        const QByteArray image = patternImage(5000, 5);
        model.loadImage(image);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        Update update;
        update.setAnswerTimeout(300);
        connect(&update, &Update::signalRead, this, [&](quint32 address, quint16 size) {
            QTimer::singleShot(0, &update, [&update, &model, address, size]() {
                // The image's reads come back short: the link lost bytes.
                const quint16 n = address >= ControllerModel::ImageDataAddress ? size - 1 : size;
                QByteArray bytes = model.readMemory(address, n);
                update.slotRead(address, n, reinterpret_cast<quint8*>(bytes.data()));
            });
        });
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), false);
        QCOMPARE(update.received(), 0u);
        QCOMPARE(writesOf(writes, 763), QList<float>{2.0f});
    }

    void stalledTransferFails()
    {
        ControllerModel model;
        model.loadImage(patternImage(10000, 6));
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No answer from the controller"));
        Update update;
        update.setAnswerTimeout(300);
        MemoryFeeder feeder(&update, &model);
        feeder.silentFrom = 3; // probe, header and the first image read answered
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), false);
        QCOMPARE(feeder.reads.size(), 4);
        QCOMPARE(writesOf(writes, 763), QList<float>{2.0f});
        QVERIFY(updaterStarts().isEmpty());
        // An answer after the failure changes nothing.
        feeder.answer(feeder.reads.last().first, feeder.reads.last().second);
        QCOMPARE(done.count(), 1);
        QCOMPARE(update.state(), Update::Failed);
    }

    void missingProgramFileFails()
    {
        Update::setProgramFile(QDir(m_dir->path()).filePath("no_such_program"));
        ControllerModel model;
        model.loadImage(patternImage(3000, 8));
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Error copying file:"));
        Update update;
        MemoryFeeder feeder(&update, &model);
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), false);
        QCOMPARE(writesOf(writes, 763), QList<float>{2.0f});
        QVERIFY(updaterStarts().isEmpty());
    }

    void leftoverThatCannotBeRemovedFails()
    {
        // Something in the way of the copy that is not a file.
        QFile::remove(tmpFile());
        QVERIFY(QDir(m_dir->path()).mkdir("vrx_gui_tmp"));
        QVERIFY(QDir(tmpFile()).mkdir("inside"));
        ControllerModel model;
        model.loadImage(patternImage(3000, 9));
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        Update update;
        MemoryFeeder feeder(&update, &model);
        QSignalSpy done(&update, &Update::signalDone);
        QVERIFY(done.wait(20000));
        QVERIFY(QDir(tmpFile()).removeRecursively());
        QCOMPARE(done.at(0).at(0).toBool(), false);
        QCOMPARE(writesOf(writes, 763), QList<float>{2.0f});
        QVERIFY(updaterStarts().isEmpty());
    }

    void progressIsWrittenEverySecondInKiB()
    {
        ControllerModel model;
        const QByteArray image = patternImage(10000, 10);
        model.writeMemory(0x800000, QByteArray("\x01\x00\x01", 3));
        // A progress base of 100 KiB, as a controller resuming a transfer gives.
        model.writeMemory(0xD00000, header(100 * 1024, 230, 10000, crcOf(image)));
        model.writeMemory(0xD00100, image);
        QSignalSpy writes(store(), &Parameters::signalParamWrite);
        Update update;
        MemoryFeeder feeder(&update, &model);
        feeder.silentFrom = 3; // hold the transfer after the first 4096 bytes
        QTRY_VERIFY_WITH_TIMEOUT(writesOf(writes, 724).contains(104.0f), 20000);
        QCOMPARE(update.received(), 4096u);
        QSignalSpy done(&update, &Update::signalDone);
        feeder.silentFrom = -1;
        feeder.answer(feeder.reads.last().first, feeder.reads.last().second);
        QVERIFY(done.wait(20000));
        QCOMPARE(done.at(0).at(0).toBool(), true);
        QCOMPARE(writesOf(writes, 724).last(), 100.0f + 10000.0f / 1024.0f);
        // Over: no more progress.
        const int count = writesOf(writes, 724).size();
        QTest::qWait(1500);
        QCOMPARE(writesOf(writes, 724).size(), count);
    }

    // 763 = 1 from the controller over the real link: the settings applier
    // creates the update, which reads the image through the driver and
    // reports 763 = 0 back.
    void overTheLink()
    {
        ControllerModel model;
        QVERIFY(model.loadDatabase());
        QVERIFY(model.loadSeed(QStringLiteral(VRX_SOURCE_DIR "/emulator/seed.csv")));
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        const QByteArray image = patternImage(9000, 11);
        model.loadImage(image);
        QFile::remove(tmpFile());

        SpiThread* thread = new SpiThread;
        SpiDriver* driver = new SpiDriver(thread, false);
        driver->setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(&model)));
        driver->moveToThread(thread);
        Parameters* parameters = store();
        ParametersHandler* handler = parameters->handler();
        connect(parameters, &Parameters::signalParamWrite, driver, &SpiDriver::slotParamWrite);
        connect(driver, &SpiDriver::signalParamUpdated, parameters, &Parameters::slotParamUpdated);
        connect(handler, qOverload<quint32, quint16>(&ParametersHandler::signalSoftwareRead), driver,
                &SpiDriver::slotSoftwareRead);
        connect(driver, &SpiDriver::signalSoftwareRead, handler,
                qOverload<quint32, quint16, quint8*>(&ParametersHandler::signalSoftwareRead));
        thread->start(QThread::LowPriority);

        model.setFloat(763, 1);
        auto reported = [&model](float value) {
            for (const ControllerModel::WriteRecord& w : model.writes())
                if (w.id == 763 && w.raw == bitsFromFloat(value))
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(reported(0.0f), 60000);
        QVERIFY(!reported(2.0f));
        QVERIFY(handler->update());
        QCOMPARE(handler->update()->state(), Update::Installed);
        QCOMPARE(readFile(tmpFile()), image);
        QTRY_COMPARE_WITH_TIMEOUT(updaterStarts(), QStringList{"./vrx_updater_new"}, 10000);

        thread->requestInterruption();
        thread->exit(0);
        QVERIFY(thread->wait(10000));
        delete thread;
        delete handler->update();
    }
};

VRX_TEST_APPLICATION_MAIN(TestUpdate)
#include "tst_update.moc"
