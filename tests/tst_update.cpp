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
#include <linux/magic.h>
#include <sys/inotify.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/vfs.h>
#include <unistd.h>
#include <vector>

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
    Update update;
    QSignalSpy done{&update, &Update::signalDone};
    QSignalSpy cancels{&update, &Update::signalReadCancel};
    QSignalSpy progress{&update, &Update::signalProgress};
    // What the update tells for the controller, as (id, value), oldest first.
    QList<QPair<quint16, float>> writes;
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
        QObject::connect(&update, &Update::signalResult, &update, [this](int result) {
            ends << QString("763 = %1").arg(result);
            writes << qMakePair(Update::IdUpdate, float(result));
        });
        QObject::connect(&update, &Update::signalProgress, &update,
                         [this](float kib) { writes << qMakePair(Update::IdProgress, kib); });
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
        for (const QPair<quint16, float>& w : writes)
            if (w.first == id)
                values << w.second;
        return values;
    }
    int updaterStarts() const { return SystemCommands::recorded().size(); }
};

// The settings applier's update, its reads answered from the controller's
// memory one event-loop turn later as the link does; what the store sends to
// the controller of 763 and 724 is kept in order.
struct ApplierRun
{
    ControllerModel& model;
    Parameters* store = MainApplication::getInstance()->getParameters();
    ParametersHandler* handler = store->handler();
    QObject context;
    int reads = 0;
    QByteArray buffer;
    QList<float> results;
    QList<float> progress;

    explicit ApplierRun(ControllerModel& m)
        : model(m)
    {
        QObject::connect(handler, QOverload<quint32, quint16>::of(&ParametersHandler::signalSoftwareRead), &context,
                         [this](quint32 address, quint16 size) {
                             ++reads;
                             QTimer::singleShot(0, &context, [this, address, size] {
                                 buffer = model.readMemory(address, size);
                                 emit handler->signalSoftwareRead(address, size,
                                                                  reinterpret_cast<quint8*>(buffer.data()));
                             });
                         });
        QObject::connect(store, &Parameters::signalParamWrite, &context, [this](quint16 id, quint32 raw) {
            if (id == Update::IdUpdate)
                results << floatFromBits(raw);
            else if (id == Update::IdProgress)
                progress << floatFromBits(raw);
        });
    }
    // The controller reports 763.
    void report(float value) { store->slotParamUpdated(Update::IdUpdate, bitsFromFloat(value), 2); }
};

enum Failure {
    CorruptImage,
    BadHeader,
    NoRoomAtHeader,
    RoomUnknown,
    NoFileSystem,
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

// The names of the files made in a directory (created or moved in) while
// it watches: what a power cut at any moment could leave there.
class MadeFiles
{
public:
    explicit MadeFiles(const QString& dir)
        : m_fd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        m_watching = m_fd >= 0
                     && ::inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_CREATE | IN_MOVED_TO) >= 0;
    }
    ~MadeFiles()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    bool isWatching() const { return m_watching; }
    QStringList names()
    {
        alignas(inotify_event) char buffer[4096];
        ssize_t n;
        while ((n = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char* p = buffer; p < buffer + n;) {
                const inotify_event* event = reinterpret_cast<const inotify_event*>(p);
                if (event->len > 0)
                    m_names << QFile::decodeName(event->name);
                p += sizeof(inotify_event) + event->len;
            }
        }
        return m_names;
    }

private:
    int m_fd;
    bool m_watching = false;
    QStringList m_names;
};

// Pages of the file at path that the page cache holds; -1 when it cannot tell.
int cachedPages(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() == 0)
        return -1;
    const long page = ::sysconf(_SC_PAGESIZE);
    const size_t length = size_t(f.size());
    void* map = ::mmap(nullptr, length, PROT_READ, MAP_SHARED, f.handle(), 0);
    if (map == MAP_FAILED)
        return -1;
    std::vector<unsigned char> pages((length + size_t(page) - 1) / size_t(page));
    const bool known = ::mincore(map, length, pages.data()) == 0;
    ::munmap(map, length);
    int cached = 0;
    for (unsigned char p : pages)
        cached += p & 1;
    return known ? cached : -1;
}

} // namespace

class TestUpdate : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    QTemporaryDir m_dir;
    QString file(const char* name) const { return QDir(m_dir.path()).filePath(name); }
    static constexpr QFileDevice::Permissions ProgramMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                            | QFileDevice::ExeOwner | QFileDevice::ReadGroup
                                                            | QFileDevice::WriteGroup | QFileDevice::ExeGroup
                                                            | QFileDevice::ReadOther;

private slots:
    void initTestCase()
    {
        // A write past the file size limit fails instead of ending the process.
        std::signal(SIGXFSZ, SIG_IGN);
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        // The running program, as far as the update can tell, with a mode
        // that the usual umask would not give a new file.
        ::umask(022);
        QVERIFY(writeFile(file("vrx_gui"), pattern(50000, 7)));
        QVERIFY(QFile::setPermissions(file("vrx_gui"), ProgramMode));
    }

    void init()
    {
        SystemCommands::clearRecorded();
        Update::setProgramFile(file("vrx_gui"));
        Update::setFreeSpaceOverride(Update::FreeSpaceFromFileSystem);
        Update::setCapacityOverride(Update::FreeSpaceFromFileSystem);
        Update::setBeforeReadBack(nullptr);
        SystemCommands::clearDryRunBehaviours();
    }

    // Third probe byte 0: the header lies at 0x800100. 10,000 bytes are read
    // as 4096 + 4096 + 1808, past a stray answer for another address, over a
    // copy left from an earlier attempt; the progress, written every second
    // while the image comes in, counts from the header's base (KiB). The
    // image has the program's mode, and no file but the two the update
    // removes on its next start is ever made beside the program, so none
    // can be left there by a power cut.
    void imageReadInChunksAndInstalled()
    {
        ControllerModel model;
        const QByteArray image = pattern(10000, 1);
        model.writeMemory(0x800000, QByteArray("\x05\x07\x00", 3));
        model.writeMemory(0x800100, header(100 * 1024, 6, 10000, crcOf(image)));
        model.writeMemory(0x800100 + 26 + 6, image);
        QVERIFY(writeFile(file("vrx_gui_tmp"), QByteArray(20000, 'x')) && writeFile(file("vrx_updater_new"), "#!"));
        MadeFiles made(m_dir.path());
        QVERIFY(made.isWatching());
        // Just the room the image and the spare need.
        Update::setFreeSpaceOverride(10000 + qint64(Update::SpareRoom));
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
        QCOMPARE(QFile::permissions(file("vrx_gui_tmp")), QFile::permissions(file("vrx_gui")));
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{"vrx_gui", "vrx_gui_tmp", "vrx_updater_new"}));
        QCOMPARE(made.names(), (QStringList{"vrx_gui_tmp.part", "vrx_gui_tmp"}));
        QCOMPARE(run.writesOf(763), QList<float>{0.0f});
        QCOMPARE(run.cancels.count(), 1); // the link asks nothing more
        QCOMPARE(run.ends, (QStringList{"cancel", "763 = 0"}));
        QCOMPARE(run.writesOf(724).last(), 100.0f + 10000.0f / 1024.0f);
        // The updater by its own path, in the program's directory.
        QCOMPARE(SystemCommands::recorded().size(), 1);
        QCOMPARE(SystemCommands::recorded().at(0).text(), file("vrx_updater_new"));
        QCOMPARE(SystemCommands::recorded().at(0).workingDirectory, m_dir.path());
        QFile::remove(file("vrx_updater_new"));
        // The running program is never written.
        QCOMPARE(readFile(file("vrx_gui")), pattern(50000, 7));
        // Over: the progress stops. A tick still due would come within one
        // interval, before this wait's own timer, even on a loaded machine.
        QCOMPARE(run.writes.last().first, Update::IdUpdate);
        QVERIFY2(!run.progress.wait(Update::ProgressIntervalMs + 200), "no progress after the update's end");
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
        QTest::newRow("no room at the header")
            << int(NoRoomAtHeader) << QByteArray()
            << "^Update. No room for the image: 1058576 bytes needed, 1058575 bytes free in ";
        QTest::newRow("room unknown") << int(RoomUnknown) << QByteArray()
                                      << "^Update. Cannot tell the room free in .*: the file system cannot tell$";
        QTest::newRow("statvfs fails") << int(NoFileSystem) << QByteArray()
                                       << "^Update. Cannot tell the room free in .*/gone: No such file or directory$";
        QTest::newRow("answers with fewer bytes") << int(ShortAnswers) << QByteArray() << "No answer";
        QTest::newRow("stalled") << int(Stalled) << QByteArray() << "No answer from the controller";
        QTest::newRow("no program file") << int(NoProgramFile) << QByteArray() << "^Error copying file: vrx_gui$";
        QTest::newRow("a directory in the way") << int(DirectoryInTheWay) << QByteArray() << "";
        QTest::newRow("write fails part-way") << int(WriteFailsPartWay) << QByteArray()
                                              << "^Error writing file: .*vrx_gui_tmp.part after \\d+ of 150000 bytes";
        QTest::newRow("read back differs") << int(ReadBackDiffers) << QByteArray()
                                           << "^Error CRC \\(read file\\): 0x[0-9a-f]{4} 0x[0-9a-f]{4}$";
        QTest::newRow("no room") << int(NoRoom) << QByteArray()
                                 << "^Update. No room for the image: 1198576 bytes needed, 1198575 bytes free in ";
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
        // One byte short of the image and the spare room.
        const qint64 oneShort = qint64(image.size()) + qint64(Update::SpareRoom) - 1;
        if (failure == NoRoomAtHeader)
            Update::setFreeSpaceOverride(oneShort);
        if (failure == RoomUnknown)
            Update::setFreeSpaceOverride(Update::FreeSpaceUnknown);
        if (failure == NoFileSystem)
            Update::setProgramFile(file("gone/vrx_gui"));
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
        // The room goes while the image comes in.
        if (failure == NoRoom)
            QObject::connect(&run.update, &Update::signalRead, [oneShort](quint32 address, quint16) {
                if (address >= ControllerModel::ImageDataAddress)
                    Update::setFreeSpaceOverride(oneShort);
            });
        run.update.setAnswerTimeout(300);
        run.silentFrom = failure == Stalled ? 3 : -1;
        run.shortAnswers = failure == ShortAnswers;
        {
            // Room for 100,000 bytes of the image.
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
        if (failure == BadHeader || failure == NoRoomAtHeader || failure == RoomUnknown || failure == NoFileSystem)
            QCOMPARE(run.reads.size(), 2); // probe and header, no image read
        if (failure == NoRoom)
            QCOMPARE(run.update.received(), quint32(image.size()));
        // An answer after the failure changes nothing.
        run.answer(run.reads.last().first, run.reads.last().second);
        QCOMPARE(run.done.count(), 1);
        QCOMPARE(run.update.state(), Update::Failed);
    }

    // What an earlier attempt left, a partial file or a whole image the
    // updater did not take, is room for the image: the install removes it
    // before it writes. On a file system with room for one image and the
    // spare but not two, a leftover of the image's size neither refuses the
    // update nor stays; it is not removed before the install.
    void leftoverCountsAsRoom_data()
    {
        QTest::addColumn<QString>("leftover");
        QTest::newRow("partial file") << "vrx_gui_tmp.part";
        QTest::newRow("older image") << "vrx_gui_tmp";
    }

    void leftoverCountsAsRoom()
    {
        QFETCH(QString, leftover);
        ControllerModel model;
        const QByteArray image = pattern(200000, 13);
        model.loadImage(image);
        for (const char* name : {"vrx_gui_tmp", "vrx_gui_tmp.part", "vrx_updater_new"})
            QFile::remove(file(name));
        qint64 others = 0;
        for (const QFileInfo& f : QDir(m_dir.path()).entryInfoList(QDir::Files | QDir::Hidden | QDir::System))
            others += f.size();
        QVERIFY(writeFile(file(leftover.toUtf8().constData()), QByteArray(image.size(), 'l')));
        Update::setCapacityOverride(others + image.size() + qint64(Update::SpareRoom) + image.size() / 2);
        Run run(model);
        bool keptAtHeader = false;
        QObject::connect(&run.update, &Update::signalRead, &run.update, [&](quint32 address, quint16) {
            if (address == ControllerModel::ImageDataAddress)
                keptAtHeader = QFile::exists(file(leftover.toUtf8().constData()));
        });
        QVERIFY2(run.installed(), "the update installed");
        QVERIFY(keptAtHeader);
        QCOMPARE(readFile(file("vrx_gui_tmp")), image);
        QCOMPARE(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot),
                 (QStringList{"vrx_gui", "vrx_gui_tmp"}));
        QCOMPARE(run.writesOf(763), QList<float>{0.0f});
    }

    // The written image is read back as the flash holds it: none of its
    // pages is left in the cache from the write.
    void imageReadBackPastTheCache()
    {
        struct statfs fs;
        QVERIFY(::statfs(QFile::encodeName(m_dir.path()).constData(), &fs) == 0);
        // f_type is a signed word of the platform's width, the magic numbers
        // unsigned: compared as the 32 bits they are.
        const quint32 type = static_cast<quint32>(fs.f_type);
        if (type == quint32(TMPFS_MAGIC) || type == quint32(RAMFS_MAGIC))
            QSKIP("the temporary directory's pages live only in memory");
        ControllerModel model;
        model.loadImage(pattern(16 * 4096, 9));
        QFile::remove(file("vrx_gui_tmp"));
        int cached = -2;
        Update::setBeforeReadBack([&](const QString& path) { cached = cachedPages(path); });
        Run run(model);
        QVERIFY2(run.installed(), "the update's end");
        QCOMPARE(cached, 0);
    }

    // The controller's 763 = 0 releases the update only once the main window
    // is up, and never the installed one that hid the window for the
    // updater. First of the tests with a window: it builds it.
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
        QVERIFY2(waitFor([&] { return handler->update() && handler->update()->windowHidden(); }, 5000),
                 "the image installed");
        QPointer<Update> installed = handler->update();
        QVERIFY(app->getMainWindow()->isHidden());
        report(0.0f);
        QVERIFY2(waitFor([] { return !SystemCommands::recorded().isEmpty(); }, 2000), "the updater's start");
        report(0.0f);
        QVERIFY2(installed && handler->update() == installed, "the installed update kept");
        delete installed.data();
        app->getMainWindow()->show();
    }


    // Through the settings applier and the program's window: 763 = 1 from
    // the controller installs an image of several file pieces byte for byte;
    // the progress (724) and 763 = 0 go to the controller, and the window out
    // of sight, before the updater starts. The controller's 763 = 0 and 763 =
    // 1 again right after the install, in the moment before the updater
    // starts, are refused: the installed update stays, starts the updater
    // once and no image is read anew.
    void repeatedRequestAfterTheInstallIsRefused()
    {
        MainApplication::getInstance()->showMainWindow();
        QWidget* window = MainApplication::getInstance()->getMainWindow();
        QVERIFY(window && window->isVisible());
        ControllerModel model;
        const QByteArray image = pattern(3 * Update::FileChunkSize + 1000, 11);
        model.loadImage(image);
        QFile::remove(file("vrx_gui_tmp"));
        ApplierRun run(model);
        ParametersHandler* handler = run.handler;
        // The controller takes the result, then asks again.
        int readsAtInstall = -1;
        bool hiddenAtResult = false;
        int startsAtResult = -1;
        connect(run.store, &Parameters::signalParamWrite, &run.context, [&](quint16 id, quint32 raw) {
            if (id != Update::IdUpdate || floatFromBits(raw) != 0.0f)
                return;
            readsAtInstall = run.reads;
            hiddenAtResult = window->isHidden();
            startsAtResult = SystemCommands::recorded().size();
            QTimer::singleShot(0, &run.context, [&] {
                run.report(0.0f);
                QTimer::singleShot(0, &run.context, [&] { run.report(1.0f); });
            });
        });

        QTest::ignoreMessage(QtWarningMsg, "Update already running, request ignored");
        run.report(1.0f);
        QVERIFY2(waitFor([&] { return handler->update() && handler->update()->windowHidden(); }, 5000),
                 "the image installed");
        const Update* installed = handler->update();
        QVERIFY2(waitFor([] { return !SystemCommands::recorded().isEmpty(); }, 2000), "the updater's start");
        QCOMPARE(SystemCommands::recorded().size(), 1);
        QCOMPARE(SystemCommands::recorded().at(0).text(), file("vrx_updater_new"));
        QVERIFY(hiddenAtResult);
        QCOMPARE(startsAtResult, 0);
        QVERIFY(window->isHidden());
        QVERIFY(run.progress.contains(image.size() / 1024.0f));
        QCOMPARE(handler->update(), installed);
        QCOMPARE(run.reads, readsAtInstall);
        QCOMPARE(readFile(file("vrx_gui_tmp")), image);
        QVERIFY(!QFile::exists(file("vrx_gui_tmp.part")));
        delete handler->update();
    }

    // The updater cannot be started after the install: the image goes, the
    // controller is told that the update failed (763 = 0, then 2) and the
    // window comes back; the controller's 763 = 0 then releases the update.
    void updaterThatCannotStartLeavesNothing()
    {
        MainApplication::getInstance()->showMainWindow();
        QWidget* window = MainApplication::getInstance()->getMainWindow();
        QVERIFY(window);
        window->show();
        ControllerModel model;
        model.loadImage(pattern(10000, 5));
        SystemCommands::DryRunBehaviour cannotStart;
        cannotStart.failsToStart = true;
        SystemCommands::setDryRunBehaviour(file("vrx_updater_new"), cannotStart);
        ApplierRun run(model);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Update. Cannot start .*/vrx_updater_new$"));
        run.report(1.0f);
        QVERIFY2(waitFor([&] { return run.results.size() >= 2; }, 5000), "763 = 0, then 763 = 2");
        QCOMPARE(run.results, (QList<float>{0.0f, 2.0f}));
        QVERIFY(!QFile::exists(file("vrx_gui_tmp")));
        QVERIFY(!QFile::exists(file("vrx_gui_tmp.part")));
        QVERIFY(window->isVisible());
        QVERIFY(run.handler->update());
        run.report(0.0f);
        QVERIFY2(waitFor([&] { return !run.handler->update(); }, 2000), "the update released at 763 = 0");
    }

    // The updater started and ended without replacing the program (here it
    // only dry-runs): that update is over, and the controller's 763 = 1 again
    // makes a new one, which reads the image now in the controller's memory,
    // installs it and starts the updater once more. The window the first hid
    // stays out of sight; while the new update reads, the controller's 763 =
    // 0 does not release it and its 763 = 1 is refused.
    void requestAfterTheUpdaterStartedBeginsAnew()
    {
        MainApplication::getInstance()->showMainWindow();
        QWidget* window = MainApplication::getInstance()->getMainWindow();
        QVERIFY(window);
        window->show();
        ControllerModel model;
        model.loadImage(pattern(10000, 17));
        ApplierRun run(model);
        // The applier reads the value when its queued call comes: each
        // report is taken before the next, as the link delivers them.
        auto report = [&run](float value) {
            run.report(value);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        };
        report(1.0f);
        QVERIFY2(waitFor([] { return SystemCommands::recorded().size() == 1; }, 5000), "the updater's first start");
        QPointer<Update> first = run.handler->update();
        QVERIFY(first);
        report(0.0f); // the controller takes the result
        QVERIFY(window->isHidden());

        const QByteArray image = pattern(3 * Update::ChunkSize + 100, 19);
        model.loadImage(image);
        const int readsBefore = run.reads;
        bool hiddenWhileReading = false;
        QObject::connect(run.handler, QOverload<quint32, quint16>::of(&ParametersHandler::signalSoftwareRead),
                         &run.context, [&](quint32 address, quint16) {
                             if (address != ControllerModel::ImageDataAddress)
                                 return;
                             hiddenWhileReading = window->isHidden();
                             QTimer::singleShot(0, &run.context, [&] {
                                 report(0.0f);
                                 report(1.0f);
                             });
                         });
        QTest::ignoreMessage(QtWarningMsg, "Update already running, request ignored");
        report(1.0f);
        QVERIFY2(waitFor([] { return SystemCommands::recorded().size() == 2; }, 5000), "the updater's second start");
        QVERIFY2(waitFor([&] { return !first; }), "the first update deleted");
        // Probe, header and four image reads: one update, not released.
        QCOMPARE(run.reads - readsBefore, 6);
        QCOMPARE(run.results, (QList<float>{0.0f, 0.0f}));
        QCOMPARE(readFile(file("vrx_gui_tmp")), image);
        QVERIFY(hiddenWhileReading);
        QVERIFY(window->isHidden());
        QVERIFY(run.handler->update() && run.handler->update()->windowHidden());
        delete run.handler->update();
        window->show();
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

};

VRX_TEST_APPLICATION_MAIN(TestUpdate)
#include "tst_update.moc"
