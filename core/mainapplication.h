#ifndef MAINAPPLICATION_H
#define MAINAPPLICATION_H

#include "log_throttle.h"
#include "ntpreply.h"

#include <QApplication>
#include <QDateTime>
#include <QHostAddress>
#include <QPointer>
#include <QTimer>
#include <functional>

class QSocketNotifier;
class QThread;
class QTranslator;
class CommandServer;
class KeyBoard;
class LogEvent;
class MainWindow;
class NtpClient;
class Parameters;
class ParametersCheck;
class ProgressBarDialog;
class Scada;
class SplashScreen;
class SpiDriver;
class SpiThread;
class TcpServer;

// The program's application object: starts the parts in order, owns them for
// the life of the process, is the point every part reaches them from, and
// stops them in order.
class MainApplication : public QApplication
{
    Q_OBJECT
public:
    static const char* const Version;

    // How the access rule asks for a password (returns the dialog's result,
    // 1 accepted) and how it shows a notice; tests put their own in place.
    using AccessPrompt = std::function<int(unsigned char level, const QString& prompt, QWidget* parent)>;
    using Notice = std::function<void(const QString& text, QWidget* parent)>;

    MainApplication(int& argc, char** argv);
    ~MainApplication() override;

    static MainApplication* getInstance();

    // The program's stops (a stop signal, power-off, reboot, the main window
    // closed, the splash screen rejected) go through here: quit() ends exec()
    // loops only, and the loops that wait on their own (Dialog::showLoop) need
    // to know that the program is stopping.
    static void requestQuit();
    bool isQuitting() const { return m_quitting; }

    void init();
    // The database, the store and the event cache, without the link: init()
    // runs it first; tests run it alone.
    void initStore();
    void initNtp();
    // The event cache on the link: the link's start and the records it reads
    // go to the cache, the cache's reads to the link. Made once the link's
    // store is set (SpiDriver::setPeers), so that the store's
    // synchronisation is asked for first.
    static void connectEventCache(SpiDriver* driver, LogEvent* cache);

    Parameters* getParameters() const { return m_parameters; }
    LogEvent* getLogEvent() const { return m_logEvent; }
    SpiDriver* getSpiDriver() const { return m_spiDriver; }
    MainWindow* getMainWindow() const { return m_mainWindow; }
    ParametersCheck* getParametersCheck() const { return m_parametersCheck; }
    Scada* getScada() const { return m_scada; }
    NtpClient* getNtpClient() const { return m_ntpClient; }
    QThread* getScadaThread() const { return m_scadaThread; }
    QString getAppDir() const { return m_appDir; }
    QString getResourcesDir() const { return m_resourcesDir; }
    QString getUsbDir() const { return m_usbDir; }
    quint32 getRevision() const { return m_revision; }
    int getLanguage() const { return m_language; }
    bool isLinkUp() const { return m_linkState; }
    bool isNtpTimerActive() const { return m_ntpTimer.isActive(); }
    int ntpTimerInterval() const { return m_ntpTimer.interval(); }

    float getValue(quint16 id) const;
    int getTypeDhs() const;
    bool isReduvadGroupCompany() const;
    QDateTime currentDateTime() const;
    QDateTime currentDateTimeUtc() const;
    // The time-zone offset (parameter 1367) the UTC clock applies, in whole
    // seconds: a value within a day either way, truncated toward zero. Any
    // writer can set the parameter, so anything else counts as 0; a refused
    // value is logged once (through the throttle), not at every use.
    static constexpr qint64 MaxZoneOffsetSeconds = 86400;
    qint64 zoneOffsetSeconds() const;
    // Test seam: the clock (ms, only forward) the refusal's log is bounded by.
    void setZoneLogClock(std::function<qint64()> clock) { m_zoneLog.setClock(std::move(clock)); }

    bool isAccess(QWidget* parent, int id, int mode, const QString& prompt = QString());
    void initAccess();
    void setAccessPrompt(AccessPrompt prompt) { m_accessPrompt = std::move(prompt); }
    void setNotice(Notice notice) { m_notice = std::move(notice); }

    void initScada();
    void translateApplication();
    void setSyncTimerNtp();

    // The build date as the compiler writes it ("May 20 2024", one-digit days
    // padded with a blank) in seconds since 1970 UTC; 0 when it cannot be read.
    static quint32 buildDateSeconds(const QString& compilerDate);
    // "3.38.0" -> 3.38, "3.5.0" -> 3.05.
    static float versionNumber(const QString& version);
    // The first eight hexadecimal digits of a revision text as a number.
    static quint32 revisionNumber(const QString& revision);

signals:
    void signalKeyRelease();
    void signalKeyPressStop();
    void signalKeyPressStart();
    // Asks the main window for the station's status screens.
    void signalShowMainParamsForm();

public slots:
    void quitApplication();
    void showMainWindow();
    void resetAccess();
    void slotConnectCore(bool isConnect);
    void getEvent(int key, QString keyStr);
    void initServer();
    void sendRequestNtp();
    void replyReceivedNtp(QHostAddress address, quint16 port, NtpReply reply);
    void slotShowWaitDialog(bool show);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotUnixSignal();

private:
    void installSignalHandlers();
    void checkDir();
    void setStyleApplication();
    void setFontsApplication();
    void setRevision();
    void showSplashScreen();
    void connectDatabase();
    void initParameters();
    void initLogEvent();
    void initSpi();
    void initKeyboard();
    void initParametersCheck();
    // The settings applier's signals to the main window, once it is built.
    void connectWindow();
    void quitScada();
    void quitSpi();

    QString m_resourcesDir;
    QString m_appDir;
    QString m_usbDir;
    SpiThread* m_spiThread = nullptr;
    SpiDriver* m_spiDriver = nullptr;
    TcpServer* m_tcpServer = nullptr;
    CommandServer* m_commandServer = nullptr;
    NtpClient* m_ntpClient = nullptr;
    QTimer m_ntpTimer;
    KeyBoard* m_keyboard = nullptr;
    QThread* m_scadaThread = nullptr;
    Scada* m_scada = nullptr;
    bool m_linkState = true;
    QPointer<SplashScreen> m_splash;
    Parameters* m_parameters = nullptr;
    LogEvent* m_logEvent = nullptr;
    MainWindow* m_mainWindow = nullptr;
    QPointer<ProgressBarDialog> m_waitDialog;
    QTranslator* m_translator = nullptr;
    int m_language = 0;
    QTimer m_accessTimer;
    ParametersCheck* m_parametersCheck = nullptr;
    quint32 m_revision = 0;
    QSocketNotifier* m_signalNotifier = nullptr;
    bool m_quitting = false;
    AccessPrompt m_accessPrompt;
    Notice m_notice;
    // The zone offset refused last (raw bits; the invalid value when none):
    // read in the GUI thread only, by the clock functions.
    mutable quint32 m_refusedZone = 0xFFFFFFFFu;
    mutable LogThrottle m_zoneLog;
};

#endif // MAINAPPLICATION_H
