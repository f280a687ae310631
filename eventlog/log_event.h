#ifndef LOG_EVENT_H
#define LOG_EVENT_H

#include <QByteArray>
#include <QMap>
#include <QObject>

// The cache of the controller's event records: the newest records by record
// number, fed by the SPI link, read by the event-log screens.
class LogEvent : public QObject
{
    Q_OBJECT
public:
    static constexpr int RecordSize = 21;
    static constexpr int Pages = 5;
    static constexpr int RecordsPerPage = 195;
    static constexpr quint32 PageSize = 4096;
    static constexpr int MaxRecords = 512;

    explicit LogEvent(QObject* parent = nullptr);

    // Records by record number, oldest first.
    const QMap<quint32, QByteArray>& records() const { return m_records; }

public slots:
    void syncAllEvent();
    void slotNewEvent(QByteArray record);

signals:
    void signalEventRead(quint32 address);

private:
    QMap<quint32, QByteArray> m_records;
};

#endif // LOG_EVENT_H
