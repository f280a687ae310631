#ifndef TEST_DATABASE_H
#define TEST_DATABASE_H

#include <QString>
#include <QTemporaryDir>

// Puts the program's parameter database into a temporary application
// directory and opens it as the default connection, as the program does.
class TestDatabase
{
public:
    TestDatabase();
    QString directory() const { return m_dir.path(); }
    // The reviewable source of the database (resources/database/parameters.csv).
    static QString csvPath();

private:
    QTemporaryDir m_dir;
};

#endif // TEST_DATABASE_H
