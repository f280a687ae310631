#include "update.h"
#include "common_helpers.h"
#include "systemcommands.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

const char* const Update::ProgramFileName = "vrx_gui";
const char* const Update::ImageFileName = "vrx_gui_tmp";
const char* const Update::PartFileName = "vrx_gui_tmp.part";
const char* const Update::UpdaterFileName = "vrx_updater_new";

namespace {

QString programFileOverride;
qint64 freeSpaceOverride = Update::FreeSpaceFromFileSystem;
qint64 capacityOverride = Update::FreeSpaceFromFileSystem;
std::function<void(const QString&)> beforeReadBack;

QString lastError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Bytes the program may still put on the file system holding dir; false
// with the reason when it cannot tell.
bool freeSpace(const QString& dir, quint64* bytes, QString* error)
{
    if (capacityOverride >= 0) {
        quint64 used = 0;
        const QFileInfoList files = QDir(dir).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo& f : files)
            used += quint64(f.size());
        *bytes = quint64(capacityOverride) > used ? quint64(capacityOverride) - used : 0;
        return true;
    }
    if (freeSpaceOverride == Update::FreeSpaceUnknown) {
        *error = QStringLiteral("the file system cannot tell");
        return false;
    }
    if (freeSpaceOverride >= 0) {
        *bytes = quint64(freeSpaceOverride);
        return true;
    }
    struct statvfs fs;
    if (::statvfs(QFile::encodeName(dir).constData(), &fs) != 0) {
        *error = lastError();
        return false;
    }
    // Each field may be 32 bits wide on the board; their product may not.
    *bytes = quint64(fs.f_bavail) * quint64(fs.f_frsize);
    return true;
}

// Puts the directory's entries (a rename in it) on the flash.
bool syncDirectory(const QString& dir, QString* error)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        *error = lastError();
        return false;
    }
    // A file system that cannot sync a directory says so with EINVAL:
    // nothing more can be done there.
    const bool synced = ::fsync(fd) == 0 || errno == EINVAL;
    if (!synced)
        *error = lastError();
    ::close(fd);
    return synced;
}

quint16 u16Le(const quint8* p)
{
    return static_cast<quint16>(p[0] | (p[1] << 8));
}

quint32 u32Le(const quint8* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

QString hex(quint32 value, int digits)
{
    return QString("0x%1").arg(value, digits, 16, QChar('0'));
}

} // namespace

Update::Update(QObject* parent)
    : QObject(parent)
    , m_programFile(programFile())
    , m_directory(QFileInfo(m_programFile).absolutePath())
{
    qWarning() << "Update...";
    // The memory answer crosses from the SPI thread with its data pointer.
    qRegisterMetaType<quint8*>("quint8*");

    QFile updater(updaterFile());
    if (updater.exists()) {
        const QFileDevice::Permissions exec =
            QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        if (!updater.setPermissions(updater.permissions() | exec))
            qWarning() << "Update. Cannot make executable:" << updater.fileName();
    }

    m_progressTimer.setInterval(ProgressIntervalMs);
    connect(&m_progressTimer, &QTimer::timeout, this, &Update::setValueProgress);
    m_answerTimer.setSingleShot(true);
    m_answerTimer.setInterval(DefaultAnswerTimeoutMs);
    connect(&m_answerTimer, &QTimer::timeout, this, &Update::slotAnswerTimeout);

    // The creator connects the link after construction: start a moment later.
    QTimer::singleShot(1, this, &Update::slotStarted);
}

Update::~Update()
{
    if (m_state == ReadingProbe || m_state == ReadingHeader || m_state == ReadingImage)
        emit signalReadCancel();
}

void Update::setProgramFile(const QString& path)
{
    programFileOverride = path;
}

QString Update::programFile()
{
    return programFileOverride.isEmpty() ? QCoreApplication::applicationFilePath() : programFileOverride;
}

QString Update::imageFile() const
{
    return QDir(m_directory).filePath(ImageFileName);
}

QString Update::partFile() const
{
    return QDir(m_directory).filePath(PartFileName);
}

QString Update::updaterFile() const
{
    return QDir(m_directory).filePath(UpdaterFileName);
}

void Update::setFreeSpaceOverride(qint64 bytes)
{
    freeSpaceOverride = bytes;
}

void Update::setCapacityOverride(qint64 bytes)
{
    capacityOverride = bytes;
}

void Update::setBeforeReadBack(const std::function<void(const QString&)>& hook)
{
    beforeReadBack = hook;
}

void Update::setAnswerTimeout(int ms)
{
    m_answerTimer.setInterval(ms);
}

void Update::slotStarted()
{
    if (m_state != Idle)
        return;
    m_state = ReadingProbe;
    requestRead(ProbeAddress, ProbeSize);
    m_progressTimer.start();
}

void Update::requestRead(quint32 address, quint16 size)
{
    m_address = address;
    m_size = size;
    m_answerTimer.start();
    emit signalRead(address, size);
}

void Update::slotRead(quint32 address, quint16 size, quint8* buffer)
{
    if (m_state != ReadingProbe && m_state != ReadingHeader && m_state != ReadingImage)
        return;
    // A late answer to an earlier read, or one that lost bytes on the way:
    // never let it into the image.
    if (address != m_address || size != m_size || !buffer) {
        qWarning().noquote() << "Update. Answer ignored:" << hex(address, 6) << size << "bytes, expected"
                             << hex(m_address, 6) << m_size << "bytes";
        return;
    }
    m_answerTimer.stop();

    switch (m_state) {
    case ReadingProbe: takeProbe(buffer); break;
    case ReadingHeader: takeHeader(buffer); break;
    case ReadingImage: takeChunk(buffer, size); break;
    default: break;
    }
}

void Update::takeProbe(const quint8* data)
{
    std::memcpy(m_probe, data, ProbeSize);
    m_headerAddress = m_probe[2] != 0 ? HeaderAddress : HeaderAddressAlt;
    m_state = ReadingHeader;
    requestRead(m_headerAddress, HeaderSize);
}

void Update::takeHeader(const quint8* data)
{
    std::memcpy(m_header, data, HeaderSize);
    m_progressBase = u32Le(m_header);
    const quint32 offset = u32Le(m_header + 14);
    m_imageSize = u32Le(m_header + 18);
    m_headerCrc = u16Le(m_header + 24);
    qWarning() << "Update. Image header:" << m_header[6] << u16Le(m_header + 4) << m_headerCrc << m_imageSize;

    m_received = 0;
    m_image.clear();
    m_crc = 0xFFFF;

    if (m_imageSize == 0) {
        fail("Update. The image header announces an empty image");
        return;
    }
    if (m_imageSize > MaxImageSize) {
        fail(QString("Update. Image of %1 bytes exceeds the %2 bytes the station can hold")
                 .arg(m_imageSize)
                 .arg(MaxImageSize));
        return;
    }
    const quint64 start = quint64(m_headerAddress) + HeaderSize + offset;
    if (start + m_imageSize > Q_UINT64_C(0x100000000)) {
        fail(QString("Update. Image at offset %1 lies outside the controller's memory").arg(offset));
        return;
    }
    // Before the image is read: a station without room for it is spared up
    // to 64 MiB over the link.
    if (!roomFor(m_imageSize)) {
        fail(QString());
        return;
    }

    m_image.reserve(static_cast<int>(m_imageSize));
    m_state = ReadingImage;
    // An image shorter than one read is read whole, in a read of its own size.
    requestRead(static_cast<quint32>(start), static_cast<quint16>(qMin<quint32>(ChunkSize, m_imageSize)));
}

void Update::takeChunk(const quint8* data, quint16 size)
{
    m_image.append(reinterpret_cast<const char*>(data), size);
    m_crc = CommonHelpers::crc16(data, size, m_crc);
    m_received += size;
    if (m_received < m_imageSize) {
        const quint32 remaining = m_imageSize - m_received;
        requestRead(m_address + size, static_cast<quint16>(qMin<quint32>(ChunkSize, remaining)));
        return;
    }
    install();
}

void Update::install()
{
    setValueProgress();
    const QByteArray image = m_image;
    m_image = QByteArray();

    if (m_headerCrc != m_crc) {
        // Reported as failed: a 763 left at 1 would have the controller wait
        // for an update that will never come.
        qWarning().noquote() << "Error CRC:" << hex(m_headerCrc, 4) << hex(m_crc, 4);
        fail(QString());
        return;
    }

    // A file left by an earlier attempt, whole or not, is never installed.
    if (!removeLeftovers()) {
        qWarning() << "Error copying file:" << ProgramFileName;
        fail(QString());
        return;
    }
    // Again, as the room may have gone while the image came in.
    if (!roomFor(quint64(image.size()))) {
        fail(QString());
        return;
    }
    // The updater puts the image in the program's place as it is: it takes
    // the program's mode.
    struct stat program;
    if (::stat(QFile::encodeName(m_programFile).constData(), &program) != 0 || !S_ISREG(program.st_mode)) {
        qWarning() << "Error copying file:" << ProgramFileName;
        fail(QString());
        return;
    }
    if (!writeImage(image, program.st_mode & 0777) || !readBackMatches(static_cast<quint32>(image.size()))) {
        removeLeftovers();
        fail(QString());
        return;
    }
    // Only now does the image take the name the updater installs from: a
    // power cut before this leaves nothing under that name.
    const QString tmp = imageFile();
    if (::rename(QFile::encodeName(partFile()).constData(), QFile::encodeName(tmp).constData()) != 0) {
        const QString why = lastError();
        qWarning().noquote() << QString("Update. Cannot rename %1 to %2: %3").arg(partFile(), tmp, why);
        removeLeftovers();
        fail(QString());
        return;
    }
    QString syncError;
    if (!syncDirectory(m_directory, &syncError)) {
        qWarning().noquote() << QString("Update. Cannot sync the directory %1: %2").arg(m_directory, syncError);
        removeLeftovers();
        fail(QString());
        return;
    }

    m_windowHidden = true;
    emit signalHideWindow();
    m_state = Installed;
    m_progressTimer.stop();
    emit signalReadCancel();
    setResult(ResultDone);
    QTimer::singleShot(100, this, &Update::slotFinished);
}

bool Update::roomFor(quint64 size) const
{
    quint64 room = 0;
    QString why;
    if (!freeSpace(m_directory, &room, &why)) {
        // Refused: an image that may not fit could fill the file system the
        // station runs from.
        qWarning().noquote() << QString("Update. Cannot tell the room free in %1: %2").arg(m_directory, why);
        return false;
    }
    // A file that an earlier attempt left, a partial one from a power cut
    // or a whole image the updater did not take, goes before the write: its
    // room is the image's. Counted, not removed, here: a whole image stays
    // until this update has one to put in its place.
    const quint64 leftovers = leftoverBytes();
    room += leftovers;
    const quint64 needed = size + SpareRoom;
    if (room < needed) {
        const QString held =
            leftovers > 0 ? QString(", %1 of them held by an earlier attempt's files").arg(leftovers) : QString();
        qWarning().noquote() << QString("Update. No room for the image: %1 bytes needed, %2 bytes free in %3")
                                        .arg(needed)
                                        .arg(room)
                                        .arg(m_directory)
                                    + held;
        return false;
    }
    return true;
}

quint64 Update::leftoverBytes() const
{
    quint64 bytes = 0;
    for (const QString& path : {partFile(), imageFile()}) {
        struct stat st;
        // Removing a name frees blocks only of a regular file that has no
        // other name. Of its length and its blocks, the lesser is sure to be
        // freed: a file cut short by a power cut may have blocks missing,
        // and blocks hold more than the length.
        if (::lstat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_nlink != 1)
            continue;
        const quint64 length = quint64(st.st_size);
        const quint64 blocks = quint64(st.st_blocks) * 512u;
        bytes += qMin(length, blocks);
    }
    return bytes;
}

bool Update::writeImage(const QByteArray& image, quint32 mode)
{
    // Made here rather than copied from the program: a copy goes through a
    // temporary file of its own, which a power cut would leave under a name
    // that no later update knows to remove.
    const int fd = ::open(QFile::encodeName(partFile()).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                          static_cast<mode_t>(mode));
    if (fd < 0) {
        const QString why = lastError();
        qWarning().noquote() << "Error opening file:" << PartFileName << why;
        return false;
    }
    QFile file(partFile());
    if (!file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        qWarning().noquote() << "Error opening file:" << PartFileName << file.errorString();
        ::close(fd);
        return false;
    }
    // The process's umask takes bits off the mode a file is created with.
    if (::fchmod(fd, static_cast<mode_t>(mode)) != 0) {
        const QString why = lastError();
        qWarning().noquote() << "Error opening file:" << PartFileName << "chmod:" << why;
        return false;
    }
    qint64 written = 0;
    while (written < image.size()) {
        const qint64 n = file.write(image.constData() + written, qMin<qint64>(FileChunkSize, image.size() - written));
        if (n <= 0) {
            qWarning().noquote() << "Error writing file:" << partFile() << "after" << written << "of"
                                 << image.size() << "bytes:" << file.errorString();
            return false;
        }
        written += n;
    }
    // The updater replaces the program with this file: it must be on the
    // flash, not in a cache, before it is given the updater's name.
    if (::fsync(file.handle()) != 0) {
        const QString why = lastError();
        qWarning().noquote() << "Error writing file:" << partFile() << "fsync:" << why;
        return false;
    }
    // The read-back must see what the flash holds, not the pages the write
    // left in the cache.
    const int dropped = ::posix_fadvise(file.handle(), 0, 0, POSIX_FADV_DONTNEED);
    if (dropped != 0) {
        qWarning().noquote() << "Error writing file:" << partFile()
                             << "posix_fadvise:" << QString::fromLocal8Bit(std::strerror(dropped));
        return false;
    }
    file.close();
    if (file.error() != QFileDevice::NoError) {
        qWarning().noquote() << "Error writing file:" << partFile() << file.errorString();
        return false;
    }
    return true;
}

bool Update::readBackMatches(quint32 size)
{
    if (beforeReadBack)
        beforeReadBack(partFile());
    QFile file(partFile());
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning().noquote() << "Error opening file:" << PartFileName << file.errorString();
        return false;
    }
    QByteArray chunk(FileChunkSize, Qt::Uninitialized);
    quint16 crc = 0xFFFF;
    quint64 total = 0;
    // A file longer than the image is wrong whatever follows: no need to read on.
    while (total <= size) {
        const qint64 n = file.read(chunk.data(), chunk.size());
        if (n < 0) {
            qWarning().noquote() << "Error reading file:" << file.fileName() << file.errorString();
            return false;
        }
        if (n == 0)
            break;
        crc = CommonHelpers::crc16(reinterpret_cast<const unsigned char*>(chunk.constData()),
                                   static_cast<unsigned int>(n), crc);
        total += quint64(n);
    }
    if (total != size)
        qWarning().noquote() << "Update. Read back" << total << "bytes of an image of" << size;
    if (crc != m_headerCrc || total != size) {
        qWarning().noquote() << "Error CRC (read file):" << hex(m_headerCrc, 4) << hex(crc, 4);
        return false;
    }
    return true;
}

bool Update::removeLeftovers()
{
    bool removed = true;
    for (const QString& path : {partFile(), imageFile()}) {
        // Whatever lies under the name goes, a dangling link too.
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
            const QString why = lastError();
            qWarning().noquote() << QString("Update. Cannot remove %1: %2").arg(path, why);
            removed = false;
        }
    }
    return removed;
}

void Update::slotFinished()
{
    qWarning() << "Update finish";
    // By its own path, and in the program's directory, where the updater
    // finds the image: neither depends on where the program was started from.
    if (!SystemCommands::startDetached(updaterFile(), QStringList(), m_directory)) {
        // Nobody will replace the program. The image goes, as at every other
        // failure: a boot script that finds it would install an update the
        // controller is told has failed. The operator gets the screen back.
        removeLeftovers();
        m_windowHidden = false;
        emit signalShowWindow();
        fail(QString("Update. Cannot start %1").arg(updaterFile()));
        return;
    }
    // Over: whether the updater replaces the program is its own business,
    // and should it end without doing so, a new request begins anew.
    m_state = UpdaterStarted;
    emit signalDone(true);
}

void Update::setValueProgress()
{
    emit signalProgress(static_cast<float>((quint64(m_progressBase) + m_received) / 1024.0));
}

void Update::slotAnswerTimeout()
{
    fail(QString("Update. No answer from the controller to the read of %1 bytes at %2")
             .arg(m_size)
             .arg(hex(m_address, 6)));
}

void Update::fail(const QString& reason)
{
    if (!reason.isEmpty())
        qWarning().noquote() << reason;
    // The read goes first, as at the end of an install: once told that the
    // update has ended, the controller sees no more reads of the image.
    stop();
    setResult(ResultFailed);
}

void Update::stop()
{
    m_state = Failed;
    m_progressTimer.stop();
    m_answerTimer.stop();
    m_image = QByteArray();
    emit signalReadCancel();
    emit signalDone(false);
}

void Update::setResult(int result)
{
    emit signalResult(result);
}
