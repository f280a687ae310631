#ifndef UPDATE_H
#define UPDATE_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

// Installs a new program image read from the controller's memory.
//
// Created by the settings applier when the controller sets 763 to 1. Reads
// the probe, the image header and the image (4096 bytes a read, one read in
// flight), checks the image against the header's CRC, writes it into a file
// of its own with the running program's mode ("vrx_gui_tmp.part" beside it),
// checks the written file again as the flash gives it back and only then
// gives it the name the updater installs from ("vrx_gui_tmp"), has the main
// window hidden and starts "vrx_updater_new" from the program's directory.
// A failure once it has begun to write, the updater's start included,
// removes both files. Once the updater has been started the update is over:
// should the updater end without replacing the program, a new request makes
// a new update.
//
// It tells and does not write: the result (signalResult, for 763: 0
// installed, 2 failed), the progress (signalProgress, KiB, every second while
// the image comes in) and the window's hiding and showing go out as signals
// that its creator passes on.
class Update : public QObject
{
    Q_OBJECT
public:
    // Installed: the image waits under the updater's name for the updater's
    // start, 100 ms later. UpdaterStarted: the update is over, the program
    // waits to be replaced.
    enum State { Idle, ReadingProbe, ReadingHeader, ReadingImage, Installed, UpdaterStarted, Failed };

    static constexpr quint32 ProbeAddress = 0x800000;
    static constexpr quint16 ProbeSize = 3;
    static constexpr quint32 HeaderAddress = 0xD00000;
    // Where the header lies when the probe's third byte is 0.
    static constexpr quint32 HeaderAddressAlt = 0x800100;
    static constexpr quint16 HeaderSize = 26;
    static constexpr quint16 ChunkSize = 4096;
    // The board holds the whole image in memory while it comes in: a header
    // announcing more than this is refused rather than trusted.
    static constexpr quint32 MaxImageSize = 64u * 1024u * 1024u;
    // The file is written and read back in pieces of this size, so checking
    // it needs no second copy of the image in memory.
    static constexpr int FileChunkSize = 64 * 1024;
    static constexpr int ProgressIntervalMs = 1000;
    // The link retries a lost exchange on its own; a read unanswered this
    // long means the controller is gone and the update has failed.
    static constexpr int DefaultAnswerTimeoutMs = 30000;

    static constexpr quint16 IdUpdate = 763;
    static constexpr quint16 IdProgress = 724;
    static constexpr int ResultDone = 0;
    static constexpr int ResultFailed = 2;

    static const char* const ProgramFileName; // "vrx_gui"
    static const char* const ImageFileName;   // "vrx_gui_tmp"
    static const char* const PartFileName;    // "vrx_gui_tmp.part"
    static const char* const UpdaterFileName; // "vrx_updater_new"

    explicit Update(QObject* parent = nullptr);
    ~Update() override;

    // The running program the image is installed beside; empty (the
    // default) means QCoreApplication::applicationFilePath(). Applies to
    // updates created afterwards.
    static void setProgramFile(const QString& path);
    static QString programFile();

    // The whole, checked image the updater installs from.
    QString imageFile() const;
    // The file the image is written into; renamed to imageFile() once
    // written, synced and read back whole.
    QString partFile() const;
    QString updaterFile() const;

    // The room the image needs beyond its own size, so that the file system
    // the program runs from is never filled to its last byte. The room is the
    // file system's free space plus what the files of an earlier attempt
    // (partFile() and imageFile()) hold, which the install removes before it
    // writes.
    static constexpr quint64 SpareRoom = 1024 * 1024;

    // Test seams. The free space the file system reports
    // (FreeSpaceFromFileSystem, the default, asks the file system;
    // FreeSpaceUnknown answers as a file system that cannot tell); in its
    // place, a file system of a capacity that holds nothing but the files of
    // the program's directory (its free space is the capacity less their
    // sizes; FreeSpaceFromFileSystem, the default, for none); a hook that
    // runs after the image is written and synced, before it is read back
    // (none by default).
    static constexpr qint64 FreeSpaceFromFileSystem = -1;
    static constexpr qint64 FreeSpaceUnknown = -2;
    static void setFreeSpaceOverride(qint64 bytes);
    static void setCapacityOverride(qint64 bytes);
    static void setBeforeReadBack(const std::function<void(const QString& partFile)>& hook);

    void setAnswerTimeout(int ms);
    State state() const { return m_state; }
    quint32 imageSize() const { return m_imageSize; }
    quint32 received() const { return m_received; }
    quint16 headerCrc() const { return m_headerCrc; }
    quint16 crc() const { return m_crc; }
    // True from the install's hiding of the main window until this update
    // has it shown again: while it holds, the program waits for the updater
    // to replace it.
    bool windowHidden() const { return m_windowHidden; }
    // The main window is out of sight already, hidden by an earlier update
    // whose updater was started and did not replace the program: this update
    // keeps it so (windowHidden() true from its start) and shows it again
    // only where it would show a window it had hidden itself.
    void takeOverHiddenWindow() { m_windowHidden = true; }

public slots:
    void slotStarted();
    void slotRead(quint32 address, quint16 size, quint8* buffer);
    void slotFinished();
    void setValueProgress();

signals:
    // One read of the controller's memory: size bytes at address.
    void signalRead(quint32 address, quint16 size);
    // The update is over: true once the updater has been started.
    void signalDone(bool installed);
    // No further answer is wanted: the link stops asking the last read.
    // Emitted at every end of the update (installed, failed, timed out,
    // deleted while reading).
    void signalReadCancel();
    // The result for the controller (763): ResultDone or ResultFailed.
    void signalResult(int result);
    // The progress for the controller (724): KiB of the image, counted from
    // the header's base.
    void signalProgress(float kib);
    // The main window goes out of sight while the updater replaces the
    // program, and comes back when the updater cannot be started.
    void signalHideWindow();
    void signalShowWindow();

private slots:
    void slotAnswerTimeout();

private:
    void requestRead(quint32 address, quint16 size);
    void takeProbe(const quint8* data);
    void takeHeader(const quint8* data);
    void takeChunk(const quint8* data, quint16 size);
    void install();
    // Whether the file system holding the program has room for an image of
    // size bytes, counting what removeLeftovers() would free; false with the
    // reason logged, also when it cannot tell.
    bool roomFor(quint64 size) const;
    // The bytes that removing partFile() and imageFile() would give back.
    quint64 leftoverBytes() const;
    // Creates partFile() with the given permission bits, writes the image
    // into it, syncs it to the flash and drops its cached pages; false with
    // the reason logged, the partial file left for the caller.
    bool writeImage(const QByteArray& image, quint32 mode);
    // Reads partFile() back piece by piece: true when it is size bytes long
    // and matches the header's CRC.
    bool readBackMatches(quint32 size);
    // Removes what an install left half-made; false when a file stays.
    bool removeLeftovers();
    // Reports 763 = 2 to the controller and ends the update.
    void fail(const QString& reason);
    // Ends the update without a word to the controller.
    void stop();
    void setResult(int result);

    QString m_programFile;
    QString m_directory;
    State m_state = Idle;
    QTimer m_progressTimer;
    QTimer m_answerTimer;
    QByteArray m_image;
    quint32 m_address = 0;
    quint16 m_size = 0;
    quint8 m_probe[ProbeSize] = {};
    quint8 m_header[HeaderSize] = {};
    quint32 m_headerAddress = 0;
    quint32 m_progressBase = 0;
    quint32 m_imageSize = 0;
    quint16 m_headerCrc = 0;
    quint32 m_received = 0;
    quint16 m_crc = 0xFFFF;
    bool m_windowHidden = false;
};

#endif // UPDATE_H
