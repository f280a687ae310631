#include "test_database.h"
#include "database.h"

TestDatabase::TestDatabase()
{
    Database::setDirectory(m_dir.path());
    Database::initialization();
}

QString TestDatabase::csvPath()
{
    return QStringLiteral(VRX_SOURCE_DIR "/resources/database/parameters.csv");
}
