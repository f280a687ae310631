#include "mainapplication.h"
#include "accessdialog.h"
#include "commandserver.h"
#include "common.h"
#include "database.h"
#include "keyboard.h"
#include "log_event.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "number_text.h"
#include "ntpclient.h"
#include "parameters.h"
#include "parametershandler.h"
#include "parameterscheck.h"
#include "progressbardialog.h"
#include "saturate.h"
#include "scada.h"
#include "scada_tarvesk.h"
#include "rarir_azedor2000.h"
#include "redar_aredizer.h"
#include "riruz_evidaz30.h"
#include "scada_derozivarizezu.h"
#include "scada_revidod_radeve.h"
#include "scada_vorivu.h"
#include "scada_vovuvuzir.h"
#include "scada_zaz.h"
#include "virid_ir_idur.h"
#include "server.h"
#include "spidriver.h"
#include "spithread.h"
#include "splashscreen.h"
#include "station_screen_factory.h"
#include "translations_resource.h"
#include "vrx_revision.h"

#include <QDebug>
#include <QFile>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QSocketNotifier>
#include <QThread>
#include <QTranslator>
#include <cmath>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>


const char* const MainApplication::Version = VRX_VERSION;

namespace {

const char* const BuildDate = __DATE__;
int signalPipe[2] = {-1, -1};

// Only async-signal-safe work here: the event loop picks the byte up.
void sigExit(int sig)
{
    if (sig != SIGINT && sig != SIGTERM)
        return;
    const char byte = 1;
    if (signalPipe[1] >= 0) {
        const ssize_t rc = ::write(signalPipe[1], &byte, 1);
        (void)rc;
    }
}

} // namespace

MainApplication::MainApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_accessTimer(this)
{
    m_accessTimer.setObjectName(QStringLiteral("accessTimer"));
    installSignalHandlers();

    setApplicationName("vrx_gui");
    setOrganizationName("Tarvesk");
    setApplicationVersion(Version);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    setQuitOnLastWindowClosed(false);

    checkDir();
    qWarning("*** Run application! ***");
    setStyleApplication();
    initTranslationsResource();
    setFontsApplication();
    setRevision();

    installEventFilter(this);
    connect(this, &QCoreApplication::aboutToQuit, this, &MainApplication::quitApplication);
}

MainApplication::~MainApplication()
{
    qDebug() << QString("~%1").arg(metaObject()->className());
    delete m_ntpClient;
    if (m_splash)
        delete m_splash.data();
    if (signalPipe[0] >= 0) {
        ::close(signalPipe[0]);
        ::close(signalPipe[1]);
        signalPipe[0] = signalPipe[1] = -1;
    }
}

MainApplication* MainApplication::getInstance()
{
    return qobject_cast<MainApplication*>(QCoreApplication::instance());
}

void MainApplication::installSignalHandlers()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return;
    m_signalNotifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(m_signalNotifier, &QSocketNotifier::activated, this, &MainApplication::slotUnixSignal);
    struct sigaction action = {};
    action.sa_handler = sigExit;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

void MainApplication::slotUnixSignal()
{
    char byte;
    const ssize_t rc = ::read(signalPipe[0], &byte, 1);
    (void)rc;
    qWarning("SIGINT");
    requestQuit();
}

void MainApplication::requestQuit()
{
    if (MainApplication* app = getInstance())
        app->m_quitting = true;
    QCoreApplication::quit();
}

void MainApplication::checkDir()
{
    m_appDir = QCoreApplication::applicationDirPath();
    m_resourcesDir = m_appDir + "/resources";
    QDir::setCurrent(m_appDir);
    m_usbDir = "/extp";
}

quint32 MainApplication::revisionNumber(const QString& revision)
{
    const QString upper = revision.toUpper();
    quint32 number = 0;
    for (int i = 0; i < 8; ++i) {
        const ushort c = i < upper.size() ? upper.at(i).unicode() : 0;
        number = (number << 4) | Common::asciiToHex(c > 255 ? 0 : static_cast<unsigned char>(c));
    }
    return number;
}

void MainApplication::setRevision()
{
    m_revision = revisionNumber(QString::fromLatin1(VRX_SOURCE_REVISION));
    qWarning().noquote() << QString("Revision %1").arg(m_revision, 8, 16, QChar('0'));
}

void MainApplication::init()
{
    m_translator = new QTranslator(this);
    showSplashScreen();
    initStore();
    initSpi();
    initNtp();
    initKeyboard();
}

void MainApplication::initKeyboard()
{
    m_keyboard = new KeyBoard;
    connect(m_keyboard, &KeyBoard::sendEvent, this, &MainApplication::getEvent);
}

void MainApplication::initStore()
{
    if (!m_translator)
        m_translator = new QTranslator(this);
    connectDatabase();
    initParameters();
    initLogEvent();
}

void MainApplication::showSplashScreen()
{
    m_splash = new SplashScreen("Loading...", nullptr);
    m_splash->open();
    m_splash->raise();
    m_splash->activateWindow();
}

void MainApplication::connectDatabase()
{
    Database::initialization();
}

void MainApplication::initParameters()
{
    m_parameters = new Parameters(this);
    if (m_splash) {
        connect(m_parameters, &Parameters::signalSyncBegin, m_splash.data(), &SplashScreen::slotSyncBegin);
        connect(m_parameters, &Parameters::signalSyncCount, m_splash.data(), &SplashScreen::slotSyncCount);
        connect(m_parameters, &Parameters::signalSyncEnd, m_splash.data(), &QWidget::hide, Qt::QueuedConnection);
    }
    connect(m_parameters, &Parameters::signalSyncEnd, this, &MainApplication::showMainWindow);
    connect(m_parameters, &Parameters::signalSyncEnd, this, &MainApplication::initServer);
    ParametersHandler* handler = m_parameters->handler();
    connect(handler, &ParametersHandler::signalShowWaitDialog, this, &MainApplication::slotShowWaitDialog);
    // Direct: each runs within the applier's handling of the report, at the
    // point the applier asks for it (the language before the menus are
    // rebuilt, the quit within power-off or reboot).
    connect(handler, &ParametersHandler::signalTranslateApplication, this, &MainApplication::translateApplication,
            Qt::DirectConnection);
    connect(handler, &ParametersHandler::signalInitScada, this, &MainApplication::initScada, Qt::DirectConnection);
    connect(handler, &ParametersHandler::signalSetSyncTimerNtp, this, &MainApplication::setSyncTimerNtp,
            Qt::DirectConnection);
    connect(handler, &ParametersHandler::signalRequestQuit, this, &MainApplication::requestQuit,
            Qt::DirectConnection);
}

void MainApplication::initLogEvent()
{
    m_logEvent = new LogEvent(this);
    connect(m_parameters->handler(), &ParametersHandler::signalLogDelFinish, m_logEvent, &LogEvent::syncAllEvent);
}

void MainApplication::initNtp()
{
    m_ntpClient = new NtpClient([this] { return currentDateTimeUtc(); });
    connect(m_ntpClient, &NtpClient::replyReceived, this, &MainApplication::replyReceivedNtp);
    m_ntpTimer.setSingleShot(true);
    connect(&m_ntpTimer, &QTimer::timeout, this, &MainApplication::sendRequestNtp);
}

void MainApplication::initSpi()
{
    bool debug = false;
    for (const QString& arg : QCoreApplication::arguments())
        if (arg.compare("-spidebug", Qt::CaseInsensitive) == 0)
            debug = true;
    m_spiThread = new SpiThread;
    m_spiThread->setObjectName("SpiThread");
    m_spiDriver = new SpiDriver(m_spiThread, debug);
    m_spiDriver->setPeers(m_parameters);
    connectEventCache(m_spiDriver, m_logEvent);
    m_spiDriver->moveToThread(m_spiThread);
    connect(m_spiDriver, &SpiDriver::signalConnectCore, this, &MainApplication::slotConnectCore);
    m_spiThread->start(QThread::LowPriority);
}

void MainApplication::connectEventCache(SpiDriver* driver, LogEvent* cache)
{
    if (!driver || !cache)
        return;
    // Automatic connections: queued across the SPI thread and the cache's.
    connect(driver, &SpiDriver::signalStart, cache, &LogEvent::syncAllEvent);
    connect(driver, &SpiDriver::signalNewEvent, cache, &LogEvent::slotNewEvent);
    connect(cache, &LogEvent::signalEventRead, driver, &SpiDriver::slotEventRead);
}

void MainApplication::setStyleApplication()
{
    Database::initResources();
    QFile file(":/styles/main");
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    setStyleSheet(QString::fromLatin1(bytes).arg(20).arg(16).arg(24));
}

void MainApplication::setFontsApplication()
{
    QFontDatabase::addApplicationFont(m_appDir + "/fonts/OpenSansCondensed-Bold.ttf");
}

void MainApplication::quitSpi()
{
    if (!m_spiThread)
        return;
    // The driver checks for the interruption before every blocking hand-over,
    // so waiting here cannot deadlock against it.
    m_spiThread->requestInterruption();
    m_spiThread->exit(0);
    m_spiThread->wait();
    m_spiThread->deleteLater();
    m_spiThread = nullptr;
    m_spiDriver = nullptr;
}

quint32 MainApplication::buildDateSeconds(const QString& compilerDate)
{
    QString text = compilerDate;
    while (text.contains("  "))
        text.replace("  ", " ");
    const QDate day = QLocale::c().toDate(text, "MMM d yyyy");
    if (!day.isValid())
        return 0;
    // UTC, so the value does not depend on the zone of the machine that runs it.
    const QDateTime date(day, QTime(0, 0), Qt::UTC);
    return static_cast<quint32>(qMax<qint64>(0, date.toSecsSinceEpoch()));
}

float MainApplication::versionNumber(const QString& version)
{
    const QStringList parts = version.split('.');
    const QString major = parts.value(0);
    const int minor = parts.value(1).toInt();
    return QString("%1.%2").arg(major).arg(minor, 2, 10, QChar('0')).toFloat();
}

void MainApplication::showMainWindow()
{
    m_parameters->set(546, buildDateSeconds(QString::fromLatin1(BuildDate)), 0);
    m_parameters->set(541, versionNumber(QString::fromLatin1(Version)), 0);
    m_parameters->set(1103, m_revision, 0);

    if (!m_mainWindow) {
        m_mainWindow = new MainWindow(std::make_unique<StationScreenFactory>());
        m_parameters->handler()->setWindowBuilt(true);
        connectWindow();
        m_mainWindow->createMainMenu();
        initAccess();
        initParametersCheck();
        m_mainWindow->show();
        m_mainWindow->raise();
        m_mainWindow->activateWindow();
    }
}

void MainApplication::connectWindow()
{
    // What the settings applier asks of the screen; the connections end with the window.
    MainWindow* window = m_mainWindow;
    ParametersHandler* handler = m_parameters->handler();
    connect(handler, &ParametersHandler::signalLanguageChanged, window,
            [window] { window->addForm(window->screens().createMainMenu(), 0); });
    connect(handler, &ParametersHandler::signalSetBacklight, window, &MainWindow::slotSetBacklight);
    connect(handler, &ParametersHandler::signalShowUpdateDialog, window, &MainWindow::updateShowDialog);
    connect(handler, &ParametersHandler::signalSetHlKeyboard, window, &MainWindow::slotSetHlKeyboard);
    // The update hides the window while the updater replaces the program.
    connect(handler, &ParametersHandler::signalHideMainWindow, window, &QWidget::hide);
    connect(handler, &ParametersHandler::signalShowMainWindow, window, &QWidget::show);
}

void MainApplication::initParametersCheck()
{
    m_parametersCheck = new ParametersCheck(m_parameters, this);
}

void MainApplication::initServer()
{
    if (m_tcpServer)
        return;
    m_tcpServer = new TcpServer(m_parameters, m_spiDriver, this);
    m_commandServer = new CommandServer(m_parameters, m_spiDriver, this);
    m_commandServer->start();
}

void MainApplication::slotConnectCore(bool isConnect)
{
    m_linkState = isConnect;
}

void MainApplication::quitApplication()
{
    delete m_keyboard;
    m_keyboard = nullptr;
    quitScada();
    quitSpi();
    delete m_tcpServer;
    m_tcpServer = nullptr;
    delete m_mainWindow;
    m_mainWindow = nullptr;
    if (m_parameters)
        m_parameters->handler()->setWindowBuilt(false);
    delete m_parametersCheck;
    m_parametersCheck = nullptr;
    qWarning("*** Quit application! ***");
}

float MainApplication::getValue(quint16 id) const
{
    return m_parameters ? m_parameters->get(id) : 0.0f;
}

int MainApplication::getTypeDhs() const
{
    return saturatingInt(getValue(39));
}

bool MainApplication::isReduvadGroupCompany() const
{
    const float company = getValue(1330);
    return company == 2.0f || company == 4.0f;
}

QDateTime MainApplication::currentDateTime() const
{
    const quint32 seconds = m_parameters ? m_parameters->getU32(562) : 0;
    return QDateTime::fromSecsSinceEpoch(static_cast<qint64>(seconds), Qt::UTC);
}

QDateTime MainApplication::currentDateTimeUtc() const
{
    return currentDateTime().addSecs(-zoneOffsetSeconds());
}

qint64 MainApplication::zoneOffsetSeconds() const
{
    // Not yet received: no offset, nothing to refuse.
    if (!m_parameters || !m_parameters->getValidity(1367))
        return 0;
    // Beyond a day no zone is meant, and QDateTime::addSecs would overflow
    // long before the float's range ends.
    const double offset = static_cast<double>(getValue(1367));
    if (std::isfinite(offset) && std::fabs(offset) <= MaxZoneOffsetSeconds) {
        m_refusedZone = 0xFFFFFFFFu;
        return static_cast<qint64>(offset);
    }
    const quint32 raw = m_parameters->getU32(1367);
    if (raw != m_refusedZone) {
        m_refusedZone = raw;
        quint64 held = 0;
        if (m_zoneLog.pass(&held))
            qWarning().noquote() << QString("Time zone offset %1 s is not within a day, not applied; the station "
                                            "clock is taken as UTC%2")
                                        .arg(numberText(offset))
                                        .arg(LogThrottle::heldText(held));
    }
    return 0;
}

// --- SCADA map ---------------------------------------------------------------------

namespace {

Scada* createScadaMap(quint8 protocol)
{
    switch (protocol) {
    case 1: return new ScadaTarvesk;
    case 2:
    case 8:
    case 12: return new RiruzEvidaz30;
    case 3: return new RarirAzedor2000;
    case 4: return new RedarAredizer;
    case 5: return new ScadaVorivu;
    case 6: return new ScadaVovuvuzir;
    case 7: return new ScadaDerozivarizezu;
    case 9: return new ViridIrIdur;
    case 10: return new ScadaRevidodRadeve;
    case 11: return new ScadaZaz;
    default: return nullptr;
    }
}

} // namespace

void MainApplication::initScada()
{
    if (m_scadaThread) {
        if (m_scada) {
            // Runs in the map's own thread and returns once no archive reply
            // runs in the map; the map then goes with its thread's events.
            m_scada->setProcessEnabled(false);
            m_scada->deleteLater();
        }
    } else {
        m_scadaThread = new QThread;
        m_scadaThread->setObjectName("ScadaThread");
    }
    m_scada = nullptr;
    const quint8 protocol = static_cast<quint8>(saturatingUInt(getValue(578)) & 0xFFu);
    Scada* map = createScadaMap(protocol);
    if (!map)
        return;
    m_scada = map;
    map->moveToThread(m_scadaThread);
    connect(m_scadaThread, &QThread::finished, map, &QObject::deleteLater);
    if (!m_scadaThread->isRunning()) {
        connect(m_scadaThread, &QThread::started, map, &Scada::process);
        m_scadaThread->start(QThread::LowPriority);
    } else {
        QTimer::singleShot(1, map, SLOT(process()));
    }
}

void MainApplication::quitScada()
{
    if (!m_scadaThread)
        return;
    if (m_scada)
        m_scada->setProcessEnabled(false);
    m_scadaThread->exit(0);
    m_scadaThread->wait();
    m_scadaThread->deleteLater();
    m_scadaThread = nullptr;
    // The map went with its thread.
    m_scada = nullptr;
}

// --- language ----------------------------------------------------------------------

void MainApplication::translateApplication()
{
    QLocale::setDefault(QLocale(QLocale::C, QLocale::AnyCountry));
    QString code = "ru";
    m_language = saturatingInt(getValue(570));
    if (m_language == 1)
        code = "en";
    else if (m_language == 2)
        code = "es";
    removeTranslator(m_translator);
    if (m_translator->load(QString(":/lang/lang/%1.qm").arg(code)))
        installTranslator(m_translator);
}

// --- NTP -----------------------------------------------------------------------------

void MainApplication::setSyncTimerNtp()
{
    m_ntpTimer.start(2000);
}

void MainApplication::sendRequestNtp()
{
    // Synchronisation off, or not yet known, sends nothing.
    if (!m_ntpClient || !m_parameters->getValidity(1353) || getValue(1353) == 0.0f
        || !m_parameters->getValidity(1354))
        return;
    const QString address = QString("%1.%2.%3.%4")
                                .arg(numberText(static_cast<double>(getValue(1355))),
                                     numberText(static_cast<double>(getValue(1356))),
                                     numberText(static_cast<double>(getValue(1357))),
                                     numberText(static_cast<double>(getValue(1358))));
    if (!m_ntpClient->sendRequest(QHostAddress(address), 123))
        qCritical("NTP client: send request error!");
    // A period that is not a positive finite number would flood the server.
    const double period = static_cast<double>(getValue(1354)) * 1000.0;
    if (!std::isfinite(period) || period < 1.0) {
        qWarning() << "NTP client: synchronisation period" << getValue(1354) << "s is not usable, not re-armed";
        return;
    }
    m_ntpTimer.start(saturatingInt(period));
}

void MainApplication::replyReceivedNtp(QHostAddress address, quint16 port, NtpReply reply)
{
    // Only the server asked, answering the request, may set the clock that
    // stamps the event log and the archives.
    if (!m_ntpClient || !m_ntpClient->acceptReply(address, port, reply))
        return;
    const QDateTime corrected = currentDateTime().addMSecs(reply.localClockOffset());
    m_parameters->set(562, static_cast<quint32>(qBound<qint64>(0, corrected.toSecsSinceEpoch(), 0xFFFFFFFFLL)), 2);
    qWarning().noquote() << "NTP client: sync time -" << corrected.toString("yyyy.MM.dd hh:mm:ss");
}

// --- input -----------------------------------------------------------------------------

bool MainApplication::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonRelease)
        emit signalKeyRelease();
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F10 || key->key() == Qt::Key_F9) {
            if (!key->isAutoRepeat()) {
                if (key->key() == Qt::Key_F10)
                    emit signalKeyPressStop();
                else
                    emit signalKeyPressStart();
            }
            return true;
        }
    }
    return QApplication::eventFilter(watched, event);
}

void MainApplication::getEvent(int key, QString keyStr)
{
    QWidget* target = focusWidget();
    // With nothing focused a key goes where Qt puts a real keyboard's key:
    // to the open modal dialog (the password dialog counting down its
    // lock-out has no focused field, and must still take Esc and F3), else to
    // the active window, else to the main window; there to the widget that
    // window last gave the focus, or to the window itself. Before the main
    // window exists nothing takes it: Esc on the splash screen would end the
    // program.
    if (!target && m_mainWindow) {
        QWidget* window = activeModalWidget();
        if (!window)
            window = activeWindow();
        if (!window && m_mainWindow->isVisible()) {
            // No window is active (a closed dialog left none where no window
            // system activates the one below): the key's window becomes the
            // active one, so that its rows see the focus they act on.
            window = m_mainWindow;
            setActiveWindow(window);
        }
        if (!window)
            window = m_mainWindow;
        target = window->focusWidget() ? window->focusWidget() : window;
    }
    qDebug() << "getEvent" << target;
    if (!target)
        return;
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, 0, 0, 0, keyStr, false, 1);
    QCoreApplication::sendEvent(target, &event);
}

void MainApplication::slotShowWaitDialog(bool show)
{
    if (show && !m_waitDialog) {
        m_waitDialog = new ProgressBarDialog(QObject::tr("Ожидание применения..."), m_mainWindow, 0, true);
        m_waitDialog->startCloseDialogTimer();
        m_waitDialog->show();
    } else if (!show && m_waitDialog) {
        m_waitDialog->deleteLater();
        m_waitDialog = nullptr;
    }
}

// --- access ------------------------------------------------------------------------------

bool MainApplication::isAccess(QWidget* parent, int id, int mode, const QString& prompt)
{
    const ParameterDef* def = m_parameters ? m_parameters->getParameter(static_cast<quint16>(id)) : nullptr;
    if (!def) {
        qWarning() << "isAccess: parameter" << id << "is not in the store";
        return false;
    }
    if (def->operation == 3 && getValue(1330) != 4.0f && saturatingInt(getValue(13)) != 0) {
        const QString text = QObject::tr("Для изменения остановите двигатель!");
        if (m_notice) {
            m_notice(text, parent);
        } else {
            auto* dialog = new MessageDialog(text, MessageDialog::Information, parent);
            dialog->show();
        }
        return false;
    }
    const unsigned char level = def->access;
    if (mode != 2) {
        if (getValue(571) == 0.0f && level <= 2)
            return true;
        if (mode == 0 && getValue(572) >= static_cast<float>(level))
            return true;
    }
    int result = 0;
    if (m_accessPrompt) {
        result = m_accessPrompt(level, prompt, parent);
    } else {
        // On the heap: the screen that asked may be replaced while the
        // password loop runs, and would then take the dialog with it.
        auto* dialog = new AccessDialog(level, prompt, parent, false);
        result = dialog->showLoop();
    }
    if (result != 1)
        return false;
    if ((id == 573 || id == 574) && m_mainWindow && m_mainWindow->isBlocked())
        m_parameters->set(774, 1, 1);
    return true;
}

void MainApplication::initAccess()
{
    resetAccess();
    m_accessTimer.setSingleShot(true);
    m_accessTimer.setInterval(300000);
    connect(this, &MainApplication::signalKeyRelease, &m_accessTimer, static_cast<void (QTimer::*)()>(&QTimer::start));
    connect(&m_accessTimer, &QTimer::timeout, this, &MainApplication::resetAccess);
}

void MainApplication::resetAccess()
{
    if (m_parameters && getValue(572) != 0.0f)
        m_parameters->set(572, 0, 1);
}
