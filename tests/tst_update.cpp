// The software update: the probe, the header, the image in 4096-byte reads
// with the chained CRC, the copy of the program overwritten with the image,
// the result in 763 and the progress in 724; driven directly with answers
// from an in-process controller's memory.
#include "common.h"
#include "controller_model.h"
#include "parameters.h"
#include "rawbits.h"
#include "systemcommands.h"
#include "test_application.h"
#include "test_database.h"
#include "update.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>

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

void putLe(QByteArray& b, int at, quint32 v, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        b[at + i] = char((v >> (8 * i)) & 0xFF);
}

QByteArray header(quint32 base, quint32 offset, quint32 size, quint16 crc)
{
    QByteArray h(Update::HeaderSize, '\0');
    putLe(h, 0, base, 4);
    putLe(h, 4, 338, 2);
    h[6] = 1;
    putLe(h, 14, offset, 4);
    putLe(h, 18, size, 4);
    putLe(h, 24, crc, 2);
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

// Values written to id, as floats, in order.
QList<float> writesOf(const QSignalSpy& spy, quint16 id)
{
    QList<float> values;
    for (const QList<QVariant>& w : spy)
        if (w.at(0).value<quint16>() == id)
            values << floatFromBits(w.at(1).value<quint32>());
    return values;
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
        // The link lost a byte of every image read.
        if (shortImageReads && address >= ControllerModel::ImageDataAddress)
            --size;
        m_buffer = m_model->readMemory(address, size);
        m_update->slotRead(address, size, reinterpret_cast<quint8*>(m_buffer.data()));
    }
    void answerLast() { answer(reads.last().first, reads.last().second); }

    QList<QPair<quint32, quint16>> reads;
    // Reads after this many go unanswered; -1 answers all.
    int silentFrom = -1;
    // Before answering the read with this number (1-based), a stray answer.
    int strayBefore = -1;
    bool shortImageReads = false;

private:
    Update* m_update;
    ControllerModel* m_model;
    QByteArray m_buffer;
    QByteArray m_stray;
};

// One update against a controller's memory, watched from its start.
struct Run
{
    QSignalSpy writes{MainApplication::getInstance()->getParameters(), &Parameters::signalParamWrite};
    Update update;
    MemoryFeeder feeder;
    QSignalSpy done{&update, &Update::signalDone};

    explicit Run(ControllerModel* model)
        : feeder(&update, model)
    {
    }
    // Waits for the end: whether the image was installed.
    bool installed() { return done.wait(20000) && done.at(0).at(0).toBool(); }
    QList<float> results() const { return writesOf(writes, 763); }
};

enum Failure { CorruptImage, BadHeader, ShortAnswers, Stalled, NoProgramFile, LeftoverInTheWay };

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    QTemporaryDir* m_dir = nullptr;
    QString m_program;
    QByteArray m_programBytes;

    QString tmpFile() const { return QDir(m_dir->path()).filePath("vrx_gui_tmp"); }

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

    void goodImageReadInChunksAndInstalled()
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

        Run run(&model);
        QVERIFY(updater.permissions() & QFileDevice::ExeOwner);
        QVERIFY(updater.permissions() & QFileDevice::ExeOther);
        QCOMPARE(run.update.imageFile(), tmpFile());
        QVERIFY(run.installed());
        QCOMPARE(run.done.count(), 1);
        const QList<QPair<quint32, quint16>> expected = {
            {0x800000, 3}, {0xD00000, 26}, {0xD00100, 4096}, {0xD01100, 4096}, {0xD02100, 1808}};
        QCOMPARE(run.feeder.reads, expected);
        QCOMPARE(run.update.crc(), crcOf(image));
        QCOMPARE(run.update.received(), 10000u);
        QCOMPARE(readFile(tmpFile()), image);
        // The copy keeps the program's execute permission.
        QVERIFY(QFileInfo(tmpFile()).permissions() & QFileDevice::ExeOwner);
        QCOMPARE(readFile(m_program), m_programBytes);
        QCOMPARE(run.results(), QList<float>{0.0f});
        QCOMPARE(writesOf(run.writes, 724).last(), 10000.0f / 1024.0f);
        QCOMPARE(updaterStarts(), QStringList{"./vrx_updater_new"});
        QCOMPARE(run.update.state(), Update::Installed);
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
        Run run(&model);
        QVERIFY(run.installed());
        const QList<QPair<quint32, quint16>> expected = {{0x800000, 3}, {0x800100, 26}, {0x800100 + 26 + 6, 100}};
        QCOMPARE(run.feeder.reads, expected);
        QCOMPARE(readFile(tmpFile()), image);
        QCOMPARE(run.results(), QList<float>{0.0f});
    }

    void answerForAnotherAddressIsIgnored()
    {
        ControllerModel model;
        const QByteArray image = patternImage(10000, 4);
        model.loadImage(image);
        Run run(&model);
        run.feeder.strayBefore = 4; // before the second image read's answer
        QVERIFY(run.installed());
        QCOMPARE(run.feeder.reads.size(), 5);
        QCOMPARE(readFile(tmpFile()), image);
    }

    // Every failure installs nothing, starts no updater and tells the
    // controller the update failed (763 = 2).
    void failures_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("log");
        QTest::addColumn<int>("reads"); // -1: any number
        QTest::newRow("corrupt image") << int(CorruptImage) << QByteArray()
                                       << "^Error CRC: 0x[0-9a-f]{4} 0x[0-9a-f]{4}$" << 5;
        // Probe and header only, no image read.
        QTest::newRow("image too large") << int(BadHeader) << header(0, 230, 0xFFFFFFFFu, 0) << "exceeds" << 2;
        QTest::newRow("just over the cap") << int(BadHeader) << header(0, 230, Update::MaxImageSize + 1, 0)
                                           << "exceeds" << 2;
        QTest::newRow("empty image") << int(BadHeader) << header(0, 230, 0, 0xFFFF) << "empty image" << 2;
        QTest::newRow("outside memory") << int(BadHeader) << header(0, 0xFFFFFF00u, 4096, 0) << "outside" << 2;
        QTest::newRow("answers with fewer bytes") << int(ShortAnswers) << QByteArray() << "" << -1;
        // Probe, header and the first image read answered, the next not.
        QTest::newRow("stalled") << int(Stalled) << QByteArray() << "No answer from the controller" << 4;
        QTest::newRow("no program file") << int(NoProgramFile) << QByteArray() << "^Error copying file:" << -1;
        QTest::newRow("a directory in the way") << int(LeftoverInTheWay) << QByteArray() << "" << -1;
    }

    void failures()
    {
        QFETCH(int, failure);
        QFETCH(QByteArray, head);
        QFETCH(QString, log);
        QFETCH(int, reads);
        ControllerModel model;
        const QByteArray image = patternImage(10000, quint32(failure));
        model.loadImage(image);
        QFile::remove(tmpFile());
        switch (failure) {
        case CorruptImage:
            model.writeMemory(ControllerModel::ImageDataAddress + 5000, QByteArray(1, char(image.at(5000) ^ 0x40)));
            break;
        case BadHeader:
            model.writeMemory(0x800000, QByteArray("\x01\x00\x01", 3));
            model.writeMemory(0xD00000, head);
            break;
        case NoProgramFile:
            Update::setProgramFile(QDir(m_dir->path()).filePath("no_such_program"));
            break;
        case LeftoverInTheWay:
            QVERIFY(QDir(m_dir->path()).mkdir("vrx_gui_tmp"));
            QVERIFY(QDir(tmpFile()).mkdir("inside"));
            break;
        }
        if (!log.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(log));
        Run run(&model);
        if (failure == ShortAnswers || failure == Stalled)
            run.update.setAnswerTimeout(300);
        run.feeder.silentFrom = failure == Stalled ? 3 : -1;
        run.feeder.shortImageReads = failure == ShortAnswers;
        QVERIFY(!run.installed());
        if (failure == LeftoverInTheWay)
            QVERIFY(QDir(tmpFile()).removeRecursively());
        QVERIFY(!QFile::exists(tmpFile()));
        QCOMPARE(run.results(), QList<float>{2.0f});
        QVERIFY(updaterStarts().isEmpty());
        QCOMPARE(run.update.state(), Update::Failed);
        if (reads >= 0)
            QCOMPARE(run.feeder.reads.size(), reads);
        if (failure == ShortAnswers)
            QCOMPARE(run.update.received(), 0u);
        // An answer after the failure changes nothing.
        run.feeder.answerLast();
        QCOMPARE(run.done.count(), 1);
        QCOMPARE(run.update.state(), Update::Failed);
    }

    void progressIsWrittenEverySecondInKiB()
    {
        ControllerModel model;
        const QByteArray image = patternImage(10000, 10);
        model.writeMemory(0x800000, QByteArray("\x01\x00\x01", 3));
        // A progress base of 100 KiB, as a controller resuming a transfer gives.
        model.writeMemory(0xD00000, header(100 * 1024, 230, 10000, crcOf(image)));
        model.writeMemory(0xD00100, image);
        Run run(&model);
        run.feeder.silentFrom = 3; // hold the transfer after the first 4096 bytes
        QTRY_VERIFY_WITH_TIMEOUT(writesOf(run.writes, 724).contains(104.0f), 20000);
        QCOMPARE(run.update.received(), 4096u);
        run.feeder.silentFrom = -1;
        run.feeder.answerLast();
        QVERIFY(run.installed());
        QCOMPARE(writesOf(run.writes, 724).last(), 100.0f + 10000.0f / 1024.0f);
        // Over: no more progress.
        const int count = writesOf(run.writes, 724).size();
        QTest::qWait(1500);
        QCOMPARE(writesOf(run.writes, 724).size(), count);
    }

};

VRX_TEST_APPLICATION_MAIN(TestUpdate)
#include "tst_update.moc"
