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
// flight), checks the image against the header's CRC, writes it into a fresh
// copy of the running program ("vrx_gui_tmp.part" beside it), checks the
// written file again and only then gives it the name the updater installs
// from ("vrx_gui_tmp"), hides the main window and starts "vrx_updater_new"
// from the program's directory. The result goes back to the controller in 763
// (0 installed, 2 failed) and the progress in 724 (KiB), written every second
// while the image comes in.
class Update : public QObject
{
    Q_OBJECT
public:
    enum State { Idle, ReadingProbe, ReadingHeader, ReadingImage, Installed, Failed };

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
    // The copy of the running program the image is written into; renamed to
    // imageFile() once written, synced and read back whole.
    QString partFile() const;
    QString updaterFile() const;

    // Test seams. The room the file system has for the image (-1, the
    // default: ask the file system); a hook that runs after the image is
    // written and synced, before it is read back (none by default).
    static void setFreeSpaceOverride(qint64 bytes);
    static void setBeforeReadBack(const std::function<void(const QString& partFile)>& hook);

    void setAnswerTimeout(int ms);
    State state() const { return m_state; }
    quint32 imageSize() const { return m_imageSize; }
    quint32 received() const { return m_received; }
    quint16 headerCrc() const { return m_headerCrc; }
    quint16 crc() const { return m_crc; }
    // True from when the update hid the main window for the updater until it
    // showed it again.
    bool hidesWindow() const { return m_hidesWindow; }

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

private slots:
    void slotAnswerTimeout();

private:
    void requestRead(quint32 address, quint16 size);
    void takeProbe(const quint8* data);
    void takeHeader(const quint8* data);
    void takeChunk(const quint8* data, quint16 size);
    void install();
    // Writes the image into partFile() and syncs it to the flash; false
    // with the reason logged, the partial file left for the caller.
    bool writeImage(const QByteArray& image);
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
    bool m_hidesWindow = false;
};

#endif // UPDATE_H
