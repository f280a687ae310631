#include "database.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// Resource initialisers live in this static library: pull them in explicitly so
// that a linker dropping unreferenced objects cannot lose them.
static void initDatabaseResource()
{
    Q_INIT_RESOURCE(database);
    Q_INIT_RESOURCE(resources);
}

void Database::initResources()
{
    initDatabaseResource();
}

namespace {
const char* const ResourcePath = ":database/resources/vrx_gui.sqlite";
QString directoryOverride;
} // namespace

void Database::setDirectory(const QString& directory)
{
    directoryOverride = directory;
}

QString Database::filePath()
{
    const QString dir = directoryOverride.isEmpty() ? QCoreApplication::applicationDirPath() : directoryOverride;
    return dir + "/vrx_gui.sqlite";
}

void Database::initialization()
{
    initResources();
    const QString path = filePath();

    if (QFile::exists(path) && !QFile::remove(path))
        qCritical() << "Failed to delete old database file!";

    QFile::copy(ResourcePath, path);
    QFile::setPermissions(path, QFileDevice::ReadUser | QFileDevice::WriteUser);

    if (!QFile::exists(path))
        qCritical() << "The database file does not exist!";

    QSqlDatabase db = QSqlDatabase::contains(QSqlDatabase::defaultConnection)
                          ? QSqlDatabase::database(QSqlDatabase::defaultConnection, false)
                          : QSqlDatabase::addDatabase("QSQLITE");
    db.setDatabaseName(path);
    if (db.open())
        setPragma();
    else
        qCritical().noquote() << QString("Cannot open SQLite database! \nError: %1").arg(db.lastError().text());
}

void Database::setPragma()
{
    QSqlQuery query;
    query.setForwardOnly(true);
    query.exec("PRAGMA encoding = \"UTF-8\"");
    query.exec("PRAGMA page_size = 4096");
    query.exec("PRAGMA cache_size = 16384");
    query.finish();
}
