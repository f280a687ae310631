// The software update against a controller's memory: the probe, the header,
// the image in 4096-byte reads with the chained CRC, the copy of the program
// overwritten with the image and named for the updater only once whole, the
// result in 763 and the progress in 724.
#include "common.h"
#include "controller_model.h"
#include "mainwindow.h"
#include "parameters.h"
#include "parametershandler.h"
#include "rawbits.h"
#include "systemcommands.h"
#include "test_application.h"
#include "test_database.h"
#include "update.h"
#include "wait_for.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtEndian>
#include <csignal>
#include <sys/resource.h>

namespace {

QByteArray pattern(int size, int seed)
{
    return QByteArray::number(seed * 7919).append(" image ").repeated(size).left(size);
}

quint16 crcOf(const QByteArray& b)
{
    return Common::crc16(reinterpret_cast<const unsigned char*>(b.constData()), unsigned(b.size()), 0xFFFF);
}

QByteArray header(quint32 base, quint32 offset, quint32 size, quint16 crc)
{
    uchar h[Update::HeaderSize] = {};
    qToLittleEndian(base, h);
    qToLittleEndian(offset, h + 14);
    qToLittleEndian(size, h + 18);
    qToLittleEndian(crc, h + 24);
    return QByteArray(reinterpret_cast<const char*>(h), Update::HeaderSize);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// One update, each read answered from the controller's memory one event-loop
// turn later as the link does; the bytes stay valid until the next answer.
struct Run
{
    ControllerModel& model;
    QSignalSpy writes{MainApplication::getInstance()->getParameters(), &Parameters::signalParamWrite};
    Update update;
    QSignalSpy done{&update, &Update::signalDone};
    QSignalSpy cancels{&update, &Update::signalReadCancel};
    // The link's cancel and the result to the controller, in their order.
    QStringList ends;
    QList<QPair<quint32, quint16>> reads;
    int silentFrom = -1;       // reads after this many go unanswered
    int strayBefore = -1;      // before answering this read, an answer for another address
    bool shortAnswers = false; // the link loses a byte of every image read
    QByteArray buffer;
    QByteArray stray;

    explicit Run(ControllerModel& m)
        : model(m)
    {
        QObject::connect(&update, &Update::signalReadCancel, &update, [this] { ends << "cancel"; });
        QObject::connect(MainApplication::getInstance()->getParameters(), &Parameters::signalParamWrite, &update,
                         [this](quint16 id, quint32 raw) {
                             if (id == Update::IdUpdate)
                                 ends << QString("763 = %1").arg(double(floatFromBits(raw)));
                         });
        QObject::connect(&update, &Update::signalRead, &update, [this](quint32 address, quint16 size) {
            reads << qMakePair(address, size);
            if (silentFrom < 0 || reads.size() <= silentFrom)
                QTimer::singleShot(0, &update, [this, address, size] { answer(address, size); });
        });
    }
    void answer(quint32 address, quint16 size)
    {
        if (strayBefore == reads.size()) {
            stray = model.readMemory(address + 4096, size);
            update.slotRead(address + 4096, size, reinterpret_cast<quint8*>(stray.data()));
        }
        buffer = model.readMemory(address, size - (shortAnswers && address >= ControllerModel::ImageDataAddress));
        update.slotRead(address, quint16(buffer.size()), reinterpret_cast<quint8*>(buffer.data()));
    }
    bool installed() { return (!done.isEmpty() || done.wait(5000)) && done.at(0).at(0).toBool(); }
    QList<float> writesOf(quint16 id) const
    {
        QList<float> values;
        for (const QList<QVariant>& w : writes)
            if (w.at(0).value<quint16>() == id)
                values << floatFromBits(w.at(1).value<quint32>());
        return values;
    }
    int updaterStarts() const { return SystemCommands::recorded().size(); }
};

enum Failure {
    CorruptImage,
    BadHeader,
    ShortAnswers,
    Stalled,
    NoProgramFile,
    DirectoryInTheWay,
    WriteFailsPartWay,
    ReadBackDiffers,
    NoRoom
};

// The largest file this process may write while it lives; with SIGXFSZ
// ignored, a write past it fails as on a full file system.
class FileSizeLimit
{
public:
    // 0: the limit stays as it is.
    explicit FileSizeLimit(rlim_t bytes)
    {
        if (bytes == 0) {
            m_set = true;
            return;
        }
        m_changed = m_set = ::getrlimit(RLIMIT_FSIZE, &m_saved) == 0;
        rlimit limit = m_saved;
        limit.rlim_cur = bytes;
        m_changed = m_set = m_set && ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit()
    {
        if (m_changed)
            ::setrlimit(RLIMIT_FSIZE, &m_saved);
    }
    bool isSet() const { return m_set; }

private:
    rlimit m_saved{};
    bool m_set = false;
    bool m_changed = false;
};

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    QTemporaryDir m_dir;
    QString file(const char* name) const { return QDir(m_dir.path()).filePath(name); }

private slots:
    void initTestCase()
    {
        // A write past the file size limit fails instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        // The running program, as far as the update can tell.
        QVERIFY(writeFile(file("vrx_gui"), pattern(50000, 7)));
        QFile::setPermissions(file("vrx_gui"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void init()
    {
        SystemCommands::clearRecorded();
        Update::setProgramFile(file("vrx_gui"));
        Update::setFreeSpaceOverride(-1);
        Update::setBeforeReadBack(nullptr);
    }

    // Third probe byte 0: the header lies at 0x800100. 10,000 bytes are read
    // as 4096 + 4096 + 1808, past a stray answer for another address, over a
    // copy left from an earlier attempt; the progress, written every second
    // while the image comes in, counts from the header's base (KiB).
    void imageReadInChunksAndInstalled()
    {
        ControllerModel model;
        const QByteArray image = pattern(10000, 1);
        model.writeMemory(0x800000, QByteArray("\x05\x07\x00", 3));
        model.writeMemory(0x800100, header(100 * 1024, 6, 10000, crcOf(image)));
        model.writeMemory(0x800100 + 26 + 6, image);
        QVERIFY(writeFile(file("vrx_gui_tmp"), QByteArray(20000, 'x')) && writeFile(file("vrx_updater_new"), "#!"));
        Run run(model);
        run.strayBefore = 4;
        run.silentFrom = 3; // the transfer held after the first 4096 bytes
        QVERIFY(QFileInfo(file("vrx_updater_new")).permissions() & QFileDevice::ExeOther);
        // Meanwhile the progress goes on every second: 100 KiB + 4 KiB.
        QVERIFY2(waitFor([&] { return run.writesOf(Update::IdProgress).contains(104.0f); }, 5000),
                 "724 = 104 while the image read is held");
        QCOMPARE(run.update.received(), 4096u);
        run.silentFrom = -1;
        run.answer(run.reads.last().first, run.reads.last().second);
        QVERIFY2(run.installed(), "the update's end");
        QCOMPARE(run.reads, (QList<QPair<quint32, quint16>>{
                                {0x800000, 3}, {0x800100, 26}, {0x800120, 4096}, {0x801120, 4096}, {0x802120, 1808}}));
        QCOMPARE(readFile(file("vrx_gui_tmp")), image);
        QVERIFY(QFileInfo(file("vrx_gui_tmp")).permissions() & QFileDevice::ExeOwner);
        QVERIFY(!QFile::exists(file("vrx_gui_tmp.part")));
        QCOMPARE(run.writesOf(763), QList<float>{0.0f});
        QCOMPARE(run.cancels.count(), 1); // the link asks nothing more
        QCOMPARE(run.ends, (QStringList{"cancel", "763 = 0"}));
        QCOMPARE(run.writesOf(724).last(), 100.0f + 10000.0f / 1024.0f);
        // The updater by its own path, in the program's directory.
        QCOMPARE(SystemCommands::recorded().size(), 1);
        QCOMPARE(SystemCommands::recorded().at(0).text(), file("vrx_updater_new"));
        QCOMPARE(SystemCommands::recorded().at(0).workingDirectory, m_dir.path());
        QFile::remove(file("vrx_updater_new"));
        // The running program is only copied, never written.
        QCOMPARE(readFile(file("vrx_gui")), pattern(50000, 7));
        // Over: the progress stops. A tick still due would come within one
        // interval, before this wait's own timer, even on a loaded machine.
        QCOMPARE(run.writes.last().at(0).value<quint16>(), Update::IdUpdate);
        QVERIFY2(!run.writes.wait(Update::ProgressIntervalMs + 200), "no write after the update's end");
    }

    // Every failure installs nothing, starts no updater and tells the
    // controller the update failed (763 = 2).
    void failures_data()
    {
        QTest::addColumn<int>("failure");
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QString>("log");
        QTest::newRow("corrupt image") << int(CorruptImage) << QByteArray() << "^Error CRC: 0x[0-9a-f]{4} 0x[0-9a-f]{4}$";
        QTest::newRow("image too large") << int(BadHeader) << header(0, 230, Update::MaxImageSize + 1, 0) << "exceeds";
        QTest::newRow("empty image") << int(BadHeader) << header(0, 230, 0, 0xFFFF) << "empty image";
        QTest::newRow("outside memory") << int(BadHeader) << header(0, 0xFFFFFF00u, 4096, 0) << "outside";
        QTest::newRow("answers with fewer bytes") << int(ShortAnswers) << QByteArray() << "No answer";
        QTest::newRow("stalled") << int(Stalled) << QByteArray() << "No answer from the controller";
        QTest::newRow("no program file") << int(NoProgramFile) << QByteArray() << "^Error copying file: vrx_gui$";
        QTest::newRow("a directory in the way") << int(DirectoryInTheWay) << QByteArray() << "";
        QTest::newRow("write fails part-way") << int(WriteFailsPartWay) << QByteArray()
                                              << "^Error writing file: .*vrx_gui_tmp.part after \\d+ of 150000 bytes";
        QTest::newRow("read back differs") << int(ReadBackDiffers) << QByteArray()
                                           << "^Error CRC \\(read file\\): 0x[0-9a-f]{4} 0x[0-9a-f]{4}$";
        QTest::newRow("no room") << int(NoRoom) << QByteArray()
                                 << "^Update. No room for the image: 150000 bytes needed, 149999 bytes free in ";
    }

    void failures()
    {
        QFETCH(int, failure);
        QFETCH(QByteArray, head);
        QFETCH(QString, log);
        ControllerModel model;
        // Larger than the program, and than one piece of the file's writes.
        const bool large = failure == WriteFailsPartWay || failure == NoRoom;
        const QByteArray image = pattern(large ? 150000 : 10000, failure);
        model.loadImage(image);
        QFile::remove(file("vrx_gui_tmp"));
        // A whole image makes it to the install, where a partial file left
        // by a power cut in an earlier attempt goes first.
        const bool installStarted = failure >= NoProgramFile;
        if (installStarted)
            QVERIFY(writeFile(file("vrx_gui_tmp.part"), QByteArray(3000, 'p')));
        if (failure == CorruptImage)
            model.writeMemory(ControllerModel::ImageDataAddress + 5000, QByteArray(1, char(image.at(5000) ^ 0x40)));
        if (failure == BadHeader) {
            model.writeMemory(0x800000, QByteArray("\x01\x00\x01", 3));
            model.writeMemory(0xD00000, head);
        }
        if (failure == NoProgramFile)
            Update::setProgramFile(file("no_such_program"));
        if (failure == DirectoryInTheWay)
            QVERIFY(QDir(m_dir.path()).mkpath("vrx_gui_tmp/inside"));
        if (failure == NoRoom)
            Update::setFreeSpaceOverride(image.size() - 1);
        bool namedBeforeChecked = false;
        if (failure == ReadBackDiffers) {
            // The flash gives back another byte than it was given. The file
            // has not the updater's name yet.
            Update::setBeforeReadBack([&](const QString& path) {
                namedBeforeChecked = QFile::exists(file("vrx_gui_tmp"));
                QFile f(path);
                if (f.open(QIODevice::ReadWrite) && f.seek(5000))
                    f.write("?");
            });
        }
        if (!log.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(log));
        Run run(model);
        run.update.setAnswerTimeout(300);
        run.silentFrom = failure == Stalled ? 3 : -1;
        run.shortAnswers = failure == ShortAnswers;
        {
            // Room for the copy of the program (50,000 bytes), not for the image.
            FileSizeLimit limit(failure == WriteFailsPartWay ? 100000 : 0);
            QVERIFY(limit.isSet());
            QVERIFY(!run.installed());
        }
        if (failure == DirectoryInTheWay)
            QVERIFY(QDir(file("vrx_gui_tmp")).removeRecursively());
        QVERIFY(!namedBeforeChecked);
        QVERIFY(!QFile::exists(file("vrx_gui_tmp")));
        QVERIFY(!QFile::exists(file("vrx_gui_tmp.part")));
        QCOMPARE(run.writesOf(763), QList<float>{2.0f});
        QCOMPARE(run.cancels.count(), 1);
        // Told that the update has ended, the controller sees no more reads.
        QCOMPARE(run.ends, (QStringList{"cancel", "763 = 2"}));
        QCOMPARE(run.updaterStarts(), 0);
        if (failure == BadHeader)
            QCOMPARE(run.reads.size(), 2); // probe and header, no image read
        // An answer after the failure changes nothing.
        run.answer(run.reads.last().first, run.reads.last().second);
        QCOMPARE(run.done.count(), 1);
        QCOMPARE(run.update.state(), Update::Failed);
    }

    // Through the settings applier: 763 = 1 from the controller installs an
    // image of several file pieces byte for byte; the controller's 763 = 1
    // again right after the install, in the moment before the updater
    // starts, is refused: the installed update starts the updater once and
    // no image is read anew.
    void repeatedRequestAfterTheInstallIsRefused()
    {
        ControllerModel model;
        const QByteArray image = pattern(3 * Update::FileChunkSize + 1000, 11);
        model.loadImage(image);
        QFile::remove(file("vrx_gui_tmp"));
        Parameters* store = MainApplication::getInstance()->getParameters();
        ParametersHandler* handler = store->handler();
        QObject context;
        int reads = 0;
        QByteArray buffer;
        // The link's part: each read answered one event-loop turn later.
        connect(handler, QOverload<quint32, quint16>::of(&ParametersHandler::signalSoftwareRead), &context,
                [&](quint32 address, quint16 size) {
                    ++reads;
                    QTimer::singleShot(0, &context, [&, address, size] {
                        buffer = model.readMemory(address, size);
                        emit handler->signalSoftwareRead(address, size, reinterpret_cast<quint8*>(buffer.data()));
                    });
                });
        auto report = [store](float value) { store->slotParamUpdated(Update::IdUpdate, bitsFromFloat(value), 2); };
        // The controller takes the result, then asks again.
        int readsAtInstall = -1;
        connect(store, &Parameters::signalParamWrite, &context, [&](quint16 id, quint32 raw) {
            if (id != Update::IdUpdate || floatFromBits(raw) != 0.0f)
                return;
            readsAtInstall = reads;
            QTimer::singleShot(0, &context, [&] {
                report(0.0f);
                QTimer::singleShot(0, &context, [&] { report(1.0f); });
            });
        });

        QTest::ignoreMessage(QtWarningMsg, "Update already running, request ignored");
        report(1.0f);
        QVERIFY2(waitFor([&] { return handler->update() && handler->update()->state() == Update::Installed; }, 5000),
                 "the image installed");
        const Update* installed = handler->update();
        QVERIFY2(waitFor([] { return !SystemCommands::recorded().isEmpty(); }, 2000), "the updater's start");
        QCOMPARE(SystemCommands::recorded().size(), 1);
        QCOMPARE(SystemCommands::recorded().at(0).text(), file("vrx_updater_new"));
        QCOMPARE(handler->update(), installed);
        QCOMPARE(reads, readsAtInstall);
        QCOMPARE(readFile(file("vrx_gui_tmp")), image);
        QVERIFY(!QFile::exists(file("vrx_gui_tmp.part")));
        delete handler->update();
    }

    // Released while a read is unanswered (the controller set 763 back to 0):
    // the link is told to stop asking it; released after its end, not again.
    void releasedWhileReadingCancelsTheRead()
    {
        ControllerModel model;
        model.loadImage(pattern(10000, 3));
        for (bool ended : {false, true}) {
            int cancels = 0;
            auto* run = new Run(model);
            run->silentFrom = ended ? -1 : 2;
            QObject::connect(&run->update, &Update::signalReadCancel, [&cancels] { ++cancels; });
            if (ended)
                QVERIFY2(!run->done.isEmpty() || run->done.wait(5000), "the update's end");
            else
                QTRY_COMPARE(run->reads.size(), 3);
            const int before = cancels;
            delete run;
            QCOMPARE(cancels - before, ended ? 0 : 1);
        }
    }

    // The controller's 763 = 0 releases the update only once the main window
    // is up, and never the installed one that hid the window for the
    // updater. Last: it builds the window and leaves it hidden.
    void releasedAtZeroOnlyWhileTheWindowIsShown()
    {
        ControllerModel model;
        model.loadImage(pattern(5000, 5));
        QFile::remove(file("vrx_gui_tmp"));
        MainApplication* app = MainApplication::getInstance();
        Parameters* store = app->getParameters();
        ParametersHandler* handler = store->handler();
        auto report = [store](float value) {
            store->slotParamUpdated(Update::IdUpdate, bitsFromFloat(value), Parameters::KindValue);
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        };
        // Reads unanswered: the update waits on its first.
        QVERIFY(!app->getMainWindow());
        report(1.0f);
        QPointer<Update> waiting = handler->update();
        QVERIFY(waiting);
        report(0.0f);
        QVERIFY2(waiting && handler->update() == waiting, "kept while there is no window");
        app->showMainWindow();
        report(0.0f);
        QVERIFY(!handler->update());
        QVERIFY2(waitFor([&] { return !waiting; }), "the released update deleted");

        // The link's part: each read answered one event-loop turn later.
        QObject context;
        QByteArray buffer;
        connect(handler, QOverload<quint32, quint16>::of(&ParametersHandler::signalSoftwareRead), &context,
                [&](quint32 address, quint16 size) {
                    QTimer::singleShot(0, &context, [&, address, size] {
                        buffer = model.readMemory(address, size);
                        emit handler->signalSoftwareRead(address, size, reinterpret_cast<quint8*>(buffer.data()));
                    });
                });
        report(1.0f);
        QVERIFY2(waitFor([&] { return handler->update() && handler->update()->state() == Update::Installed; }, 5000),
                 "the image installed");
        QPointer<Update> installed = handler->update();
        QVERIFY(app->getMainWindow()->isHidden());
        report(0.0f);
        QVERIFY2(waitFor([] { return !SystemCommands::recorded().isEmpty(); }, 2000), "the updater's start");
        report(0.0f);
        QVERIFY2(installed && handler->update() == installed, "the installed update kept");
        delete installed.data();
    }
};

VRX_TEST_APPLICATION_MAIN(TestUpdate)
#include "tst_update.moc"
