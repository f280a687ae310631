#ifndef DATABASE_H
#define DATABASE_H

#include <QObject>

// The parameter database: the SQLite file carried in the resources is copied to
// the application directory and opened as the default connection.
class Database : public QObject
{
    Q_OBJECT
public:
    static void initialization();
    // Where the working copy lives (application directory + "/vrx_gui.sqlite").
    static QString filePath();
    // Makes the embedded database readable (the resources live in a static library).
    static void initResources();
    // Tests place the working copy in a directory of their own.
    static void setDirectory(const QString& directory);

private:
    static void setPragma();
};

#endif // DATABASE_H
