#include "database.h"
#include "parameters.h"

#include <QApplication>
#include <csignal>

namespace {
void sigExit(int sig)
{
    if (sig == SIGINT || sig == SIGTERM)
        QCoreApplication::quit();
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName("vrx_gui");
    QCoreApplication::setOrganizationName("Tarvesk");
    QCoreApplication::setApplicationVersion("3.38.0");
    std::signal(SIGINT, sigExit);
    std::signal(SIGTERM, sigExit);

    qWarning("*** Run application! ***");
    Database::initialization();
    Parameters parameters;
    const int rc = app.exec();
    qWarning("*** Quit application! ***");
    return rc;
}
