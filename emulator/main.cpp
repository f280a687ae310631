// controller_emu: the controller's side of the SPI link on a development machine.
#include "controller_model.h"
#include "emulator_server.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QSocketNotifier>
#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char byte = 1;
    const ssize_t ignored = ::write(signalPipe[1], &byte, 1);
    (void)ignored;
}

bool installSignalHandlers()
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return false;
    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    return ::sigaction(SIGTERM, &action, nullptr) == 0 && ::sigaction(SIGINT, &action, nullptr) == 0;
}

QString defaultSeed()
{
    const QString besideProgram = QCoreApplication::applicationDirPath() + QStringLiteral("/seed.csv");
    if (QFile::exists(besideProgram))
        return besideProgram;
    return QStringLiteral(VRX_EMULATOR_SEED);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("controller_emu"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Plays the station controller's side of the SPI link."));
    parser.addHelpOption();
    const QCommandLineOption socketOption(QStringLiteral("socket"),
                                          QStringLiteral("SPI link socket (SOCK_SEQPACKET) to create."),
                                          QStringLiteral("PATH"));
    const QCommandLineOption controlOption(QStringLiteral("control"),
                                           QStringLiteral("Control socket (stream, line commands) to create."),
                                           QStringLiteral("PATH"));
    const QCommandLineOption seedOption(QStringLiteral("seed"),
                                        QStringLiteral("Starting values (CSV id,value[,min,max])."),
                                        QStringLiteral("FILE"));
    parser.addOption(socketOption);
    parser.addOption(controlOption);
    parser.addOption(seedOption);
    parser.process(app);

    if (!parser.isSet(socketOption) || !parser.isSet(controlOption)) {
        qCritical("controller_emu: --socket PATH and --control PATH are required");
        return 2;
    }

    ControllerModel model;
    QString error;
    if (!model.loadDatabase(&error)) {
        qCritical() << "controller_emu:" << error;
        return 1;
    }
    const QString seed = parser.isSet(seedOption) ? parser.value(seedOption) : defaultSeed();
    if (!model.loadSeed(seed, &error)) {
        qCritical() << "controller_emu:" << error;
        return 1;
    }

    if (!installSignalHandlers()) {
        qCritical("controller_emu: cannot install the signal handlers");
        return 1;
    }
    QSocketNotifier signalNotifier(signalPipe[0], QSocketNotifier::Read);
    QObject::connect(&signalNotifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);

    EmulatorServer server(&model);
    QObject::connect(&server, &EmulatorServer::quitRequested, &app, &QCoreApplication::quit, Qt::QueuedConnection);
    if (!server.listen(parser.value(socketOption), parser.value(controlOption), &error)) {
        qCritical() << "controller_emu:" << error;
        return 1;
    }
    qInfo().noquote() << "controller_emu:" << model.parameterCount() << "parameters, seed" << seed
                      << "; link" << parser.value(socketOption) << ", control" << parser.value(controlOption);

    const int rc = app.exec();
    server.close();
    return rc;
}
