#include "logo_marker.h"

#include <QFile>
#include <QString>

const char* const LogoMarker::FileName = "logo.no";

bool LogoMarker::exists()
{
    return QFile::exists(QString::fromLatin1(FileName));
}
