#include "log_event.h"

#include <QDebug>

LogEvent::LogEvent(QObject* parent)
    : QObject(parent)
{
}

void LogEvent::syncAllEvent()
{
    m_records.clear();
    for (int page = 0; page < Pages; ++page)
        for (int k = 0; k < RecordsPerPage; ++k)
            emit signalEventRead(static_cast<quint32>(page) * PageSize + static_cast<quint32>(k * RecordSize));
}

void LogEvent::slotNewEvent(QByteArray record)
{
    if (record.size() != RecordSize) {
        qWarning() << "LogEvent: event record of" << record.size() << "bytes ignored";
        return;
    }
    // An empty slot of the controller's event area reads as all 0xFF.
    if (record.count(static_cast<char>(0xFF)) == RecordSize)
        return;
    const auto* p = reinterpret_cast<const uchar*>(record.constData());
    const quint32 number = quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
    m_records.insert(number, record);
    while (m_records.size() > MaxRecords)
        m_records.erase(m_records.begin());
}
