#ifndef MAINAPPLICATION_H
#define MAINAPPLICATION_H

#include <QApplication>
#include <QDateTime>
#include <QTimer>

class QSocketNotifier;
class QTranslator;
class LogEvent;
class Parameters;
class SpiDriver;
class SpiThread;

// The program's application object: starts the parts in order, owns them for
// the life of the process and stops them in order.
class MainApplication : public QApplication
{
    Q_OBJECT
public:
    static const char* const Version;

    MainApplication(int& argc, char** argv);
    ~MainApplication() override;

    static MainApplication* getInstance();

    void init();

    Parameters* getParameters() const { return m_parameters; }
    LogEvent* getLogEvent() const { return m_logEvent; }
    SpiDriver* getSpiDriver() const { return m_spiDriver; }
    QString getAppDir() const { return m_appDir; }
    QString getResourcesDir() const { return m_resourcesDir; }
    QString getUsbDir() const { return m_usbDir; }
    quint32 getRevision() const { return m_revision; }

    float getValue(quint16 id) const;
    int getTypeDhs() const;
    bool isReduvadGroupCompany() const;
    QDateTime currentDateTime() const;
    QDateTime currentDateTimeUtc() const;

    // The build date as the compiler writes it ("May 20 2024", one-digit days
    // padded with a blank) in seconds since 1970; 0 when it cannot be read.
    static quint32 buildDateSeconds(const QString& compilerDate);
    // "3.38.0" -> 3.38, "3.5.0" -> 3.05.
    static float versionNumber(const QString& version);
    // The first eight hexadecimal digits of a revision text as a number.
    static quint32 revisionNumber(const QString& revision);

signals:
    void signalKeyRelease();
    void signalKeyPressStop();
    void signalKeyPressStart();

public slots:
    void quitApplication();
    void showMainWindow();
    void slotConnectCore(bool isConnect);

private slots:
    void slotUnixSignal();

private:
    void installSignalHandlers();
    void checkDir();
    void setRevision();
    void connectDatabase();
    void initParameters();
    void initLogEvent();
    void initSpi();
    void quitSpi();

    QString m_resourcesDir;
    QString m_appDir;
    QString m_usbDir;
    SpiThread* m_spiThread = nullptr;
    SpiDriver* m_spiDriver = nullptr;
    bool m_linkState = true;
    Parameters* m_parameters = nullptr;
    LogEvent* m_logEvent = nullptr;
    QTranslator* m_translator = nullptr;
    int m_language = 0;
    QTimer m_ntpTimer;
    QTimer m_accessTimer;
    quint32 m_revision = 0;
    QSocketNotifier* m_signalNotifier = nullptr;
};

#endif // MAINAPPLICATION_H
