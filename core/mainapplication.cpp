#include "mainapplication.h"
#include "common.h"
#include "database.h"
#include "log_event.h"
#include "parameters.h"
#include "saturate.h"
#include "spidriver.h"
#include "spithread.h"

#include <QDebug>
#include <QDir>
#include <QLocale>
#include <QSettings>
#include <QSocketNotifier>
#include <QTranslator>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

#ifndef VRX_SOURCE_REVISION
#define VRX_SOURCE_REVISION "0000000000000000000000000000000000000000"
#endif

const char* const MainApplication::Version = "3.38.0";

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
{
    installSignalHandlers();

    setApplicationName("vrx_gui");
    setOrganizationName("Tarvesk");
    setApplicationVersion(Version);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    setQuitOnLastWindowClosed(false);

    checkDir();
    qWarning("*** Run application! ***");
    setRevision();

    connect(this, &QCoreApplication::aboutToQuit, this, &MainApplication::quitApplication);
}

MainApplication::~MainApplication()
{
    qDebug() << QString("~%1").arg(metaObject()->className());
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
    connectDatabase();
    initParameters();
    initLogEvent();
    initSpi();
}

void MainApplication::connectDatabase()
{
    Database::initialization();
}

void MainApplication::initParameters()
{
    m_parameters = new Parameters(this);
    connect(m_parameters, &Parameters::signalSyncEnd, this, &MainApplication::showMainWindow);
}

void MainApplication::initLogEvent()
{
    m_logEvent = new LogEvent(this);
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
    m_spiDriver->setPeers(m_parameters, m_logEvent);
    m_spiDriver->moveToThread(m_spiThread);
    connect(m_spiDriver, &SpiDriver::signalConnectCore, this, &MainApplication::slotConnectCore);
    m_spiThread->start(QThread::LowPriority);
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
    const QDateTime date = QLocale::c().toDateTime(text, "MMM d yyyy");
    if (!date.isValid())
        return 0;
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
}

void MainApplication::slotConnectCore(bool isConnect)
{
    m_linkState = isConnect;
}

void MainApplication::quitApplication()
{
    quitSpi();
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
    return currentDateTime().addSecs(-saturatingCast<qint64>(getValue(1367)));
}
