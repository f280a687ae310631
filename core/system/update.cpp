#include "update.h"
#include "common.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameters.h"
#include "systemcommands.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaType>
#include <cstring>
#include <unistd.h>

const char* const Update::ProgramFileName = "vrx_gui";
const char* const Update::ImageFileName = "vrx_gui_tmp";
const char* const Update::UpdaterFileName = "vrx_updater_new";
const char* const Update::UpdaterCommand = "./vrx_updater_new";

namespace {

QString programFileOverride;

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

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

MainWindow* mainWindow()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getMainWindow() : nullptr;
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

QString Update::updaterFile() const
{
    return QDir(m_directory).filePath(UpdaterFileName);
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

    m_image.reserve(static_cast<int>(m_imageSize));
    m_state = ReadingImage;
    // An image shorter than one read is read whole, in a read of its own size.
    requestRead(static_cast<quint32>(start), static_cast<quint16>(qMin<quint32>(ChunkSize, m_imageSize)));
}

void Update::takeChunk(const quint8* data, quint16 size)
{
    m_image.append(reinterpret_cast<const char*>(data), size);
    m_crc = Common::crc16(data, size, m_crc);
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

    const QString tmp = imageFile();
    if (QFile::exists(tmp) && !QFile::remove(tmp)) {
        qWarning() << "Error copying file:" << ProgramFileName;
        fail(QString("Update. Cannot remove %1").arg(tmp));
        return;
    }
    if (!QFile::copy(m_programFile, tmp)) {
        qWarning() << "Error copying file:" << ProgramFileName;
        fail(QString());
        return;
    }

    QFile file(tmp);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qWarning() << "Error opening file:" << ImageFileName;
        fail(QString());
        return;
    }
    bool written = file.write(image) == image.size() && file.flush();
    // The updater replaces the program with this file: it must be on the
    // flash, not in a cache, before the updater is told to go.
    written = written && ::fsync(file.handle()) == 0;
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        qWarning() << "Error writing file:" << tmp << file.errorString();
        fail(QString());
        return;
    }

    if (!file.open(QIODevice::ReadOnly)) {
        qWarning() << "Error opening file:" << ImageFileName;
        fail(QString());
        return;
    }
    const QByteArray back = file.readAll();
    file.close();
    const quint16 backCrc = Common::crc16(reinterpret_cast<const unsigned char*>(back.constData()),
                                          static_cast<unsigned int>(back.size()), 0xFFFF);
    if (backCrc != m_headerCrc || back.size() != image.size()) {
        qWarning().noquote() << "Error CRC (read file):" << hex(m_headerCrc, 4) << hex(backCrc, 4);
        fail(QString());
        return;
    }

    if (MainWindow* window = mainWindow())
        window->hide();
    m_state = Installed;
    m_progressTimer.stop();
    emit signalReadCancel();
    setResult(ResultDone);
    QTimer::singleShot(100, this, &Update::slotFinished);
}

void Update::slotFinished()
{
    qWarning() << "Update finish";
    if (!SystemCommands::startDetached(UpdaterCommand, QStringList())) {
        // Nobody will replace the program: give the operator the screen back.
        if (MainWindow* window = mainWindow())
            window->show();
        fail(QString("Update. Cannot start %1").arg(UpdaterCommand));
        return;
    }
    emit signalDone(true);
}

void Update::setValueProgress()
{
    if (Parameters* parameters = store())
        parameters->set(IdProgress, static_cast<float>((quint64(m_progressBase) + m_received) / 1024.0), 1);
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
    if (Parameters* parameters = store())
        parameters->set(IdUpdate, result, 1);
}
