#include "controller_model.h"
#include "common.h"
#include "database.h"
#include "rawbits.h"

#include <QDateTime>
#include <QDebug>
#include <QFile>
#include <QMutexLocker>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <QTextStream>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <iterator>
#include <sys/prctl.h>
#include <thread>


namespace {

const char* const DatabaseResource = ":database/resources/vrx_gui.sqlite";

const int HeaderSize = 5; // command, length, status, notice, spare
const int CrcSize = 2;
const int MaxPayload = SpiFrame::BufferSize - HeaderSize - CrcSize;
const int ArchiveHeaderSize = 15;
const int MemoryPageSize = 4096;
const int EventAreaSize = ControllerModel::EventPages * ControllerModel::EventPageSize;
const int EventSlots = ControllerModel::EventPages * ControllerModel::EventSlotsPerPage;

quint16 getU16(const quint8* p)
{
    return static_cast<quint16>((p[0] << 8) | p[1]);
}

quint32 getU32(const quint8* p)
{
    return (quint32(p[0]) << 24) | (quint32(p[1]) << 16) | (quint32(p[2]) << 8) | quint32(p[3]);
}

quint32 getU32Le(const quint8* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

void appendU16(QByteArray& out, quint16 v)
{
    out.append(static_cast<char>(v >> 8));
    out.append(static_cast<char>(v & 0xFF));
}

void appendU32(QByteArray& out, quint32 v)
{
    out.append(static_cast<char>(v >> 24));
    out.append(static_cast<char>((v >> 16) & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
    out.append(static_cast<char>(v & 0xFF));
}

void putU16Le(char* p, quint16 v)
{
    p[0] = static_cast<char>(v & 0xFF);
    p[1] = static_cast<char>(v >> 8);
}

void putU32Le(char* p, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

quint32 currentUtcSeconds()
{
    return static_cast<quint32>(QDateTime::currentMSecsSinceEpoch() / 1000);
}

} // namespace

ControllerModel::ControllerModel()
    : m_eventArea(EventAreaSize, char(0xFF))
{
    m_monotonic.start();
}

ControllerModel::~ControllerModel() = default;

// --- parameters ------------------------------------------------------------------

bool ControllerModel::loadDatabase(QString* error)
{
    Database::initResources();
    QFile resource(QString::fromLatin1(DatabaseResource));
    if (!resource.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("the parameter database is not in the resources");
        return false;
    }
    // SQLite needs a real file.
    QTemporaryFile copy;
    if (!copy.open() || copy.write(resource.readAll()) < 0 || !copy.flush()) {
        if (error)
            *error = QStringLiteral("cannot copy the parameter database: %1").arg(copy.errorString());
        return false;
    }

    const QString connection = QStringLiteral("controller_model_%1").arg(reinterpret_cast<quintptr>(this));
    QHash<quint16, quint32> rows;
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(copy.fileName());
        if (!db.open()) {
            failure = db.lastError().text();
        } else {
            QSqlQuery query(db);
            query.setForwardOnly(true);
            if (!query.exec(QStringLiteral("SELECT id, physic FROM parameters"))) {
                failure = query.lastError().text();
            } else {
                while (query.next()) {
                    const int id = query.value(0).toInt();
                    if (id >= 0 && id <= 0xFFFF)
                        rows.insert(static_cast<quint16>(id), query.value(1).toUInt());
                }
            }
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(connection);

    if (!failure.isEmpty() || rows.isEmpty()) {
        if (error)
            *error = failure.isEmpty() ? QStringLiteral("the parameter database is empty") : failure;
        return false;
    }

    QMutexLocker lock(&m_mutex);
    for (auto it = rows.constBegin(); it != rows.constEnd(); ++it) {
        Parameter& p = m_params[it.key()];
        p.physic = it.value();
    }
    return true;
}

void ControllerModel::defineParameter(quint16 id, quint32 physic)
{
    QMutexLocker lock(&m_mutex);
    Parameter p;
    p.physic = physic;
    m_params.insert(id, p);
}

bool ControllerModel::loadSeed(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = QStringLiteral("cannot open %1: %2").arg(path, file.errorString());
        return false;
    }

    QMutexLocker lock(&m_mutex);
    QTextStream in(&file);
    int lineNumber = 0;
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        ++lineNumber;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList cells = line.split(QLatin1Char(','));
        if (lineNumber == 1 && cells.value(0).trimmed() == QLatin1String("id"))
            continue;

        auto fail = [&](const QString& why) {
            if (error)
                *error = QStringLiteral("%1:%2: %3").arg(path).arg(lineNumber).arg(why);
            return false;
        };
        if (cells.size() < 2 || cells.size() > 4)
            return fail(QStringLiteral("expected id,value[,min,max]"));

        bool ok = false;
        const uint id = cells.at(0).trimmed().toUInt(&ok);
        if (!ok || id > 0xFFFF)
            return fail(QStringLiteral("bad id"));

        const QString text = cells.at(1).trimmed();
        quint32 raw = 0;
        if (text == QLatin1String("now")) {
            raw = currentUtcSeconds();
        } else if (text.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
            raw = text.mid(2).toUInt(&ok, 16);
            if (!ok)
                return fail(QStringLiteral("bad raw word"));
        } else {
            const float f = text.toFloat(&ok);
            if (!ok)
                return fail(QStringLiteral("bad value"));
            raw = bitsFromFloat(f);
        }

        float limits[2] = {DefaultMin, DefaultMax};
        bool given[2] = {false, false};
        for (int k = 0; k < 2; ++k) {
            const QString cell = cells.value(2 + k).trimmed();
            if (cell.isEmpty())
                continue;
            limits[k] = cell.toFloat(&ok);
            if (!ok)
                return fail(QStringLiteral("bad limit"));
            given[k] = true;
        }

        const auto it = m_params.find(static_cast<quint16>(id));
        if (it == m_params.end()) {
            qWarning() << "Seed:" << path << "line" << lineNumber << ": id" << id << "is not in the database";
            continue;
        }
        it->value = raw;
        if (given[0])
            it->min = limits[0];
        if (given[1])
            it->max = limits[1];
    }
    return true;
}

bool ControllerModel::hasParameter(quint16 id) const
{
    QMutexLocker lock(&m_mutex);
    return m_params.contains(id);
}

int ControllerModel::parameterCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_params.size();
}

QVector<quint16> ControllerModel::ids() const
{
    QMutexLocker lock(&m_mutex);
    QVector<quint16> result;
    result.reserve(m_params.size());
    for (auto it = m_params.constBegin(); it != m_params.constEnd(); ++it)
        result.append(it.key());
    std::sort(result.begin(), result.end());
    return result;
}

bool ControllerModel::setRaw(quint16 id, quint32 raw)
{
    QMutexLocker lock(&m_mutex);
    advanceClockLocked();
    const auto it = m_params.find(id);
    if (it == m_params.end())
        return false;
    it->value = raw;
    announceLocked(KindValue, id);
    return true;
}

bool ControllerModel::setFloat(quint16 id, float value)
{
    return setRaw(id, bitsFromFloat(value));
}

bool ControllerModel::setMin(quint16 id, float value)
{
    return changeLocked(id, KindMin, [value](Parameter& p) { p.min = value; });
}

bool ControllerModel::setMax(quint16 id, float value)
{
    return changeLocked(id, KindMax, [value](Parameter& p) { p.max = value; });
}

bool ControllerModel::setPhysic(quint16 id, quint32 physic)
{
    return changeLocked(id, KindPhysic, [physic](Parameter& p) { p.physic = physic; });
}

bool ControllerModel::changeLocked(quint16 id, quint8 kind, const std::function<void(Parameter&)>& change)
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_params.find(id);
    if (it == m_params.end())
        return false;
    change(*it);
    announceLocked(kind, id);
    return true;
}

quint32 ControllerModel::raw(quint16 id) const
{
    QMutexLocker lock(&m_mutex);
    const_cast<ControllerModel*>(this)->advanceClockLocked();
    const auto it = m_params.constFind(id);
    return it == m_params.constEnd() ? InvalidValue : it->value;
}

float ControllerModel::minimum(quint16 id) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_params.constFind(id);
    return it == m_params.constEnd() ? std::nanf("") : it->min;
}

float ControllerModel::maximum(quint16 id) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_params.constFind(id);
    return it == m_params.constEnd() ? std::nanf("") : it->max;
}

quint32 ControllerModel::physic(quint16 id) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_params.constFind(id);
    return it == m_params.constEnd() ? 0u : it->physic;
}

void ControllerModel::setClockRunning(bool running)
{
    QMutexLocker lock(&m_mutex);
    if (running && !m_clockRunning)
        m_clockMark = m_monotonic.elapsed();
    m_clockRunning = running;
}

void ControllerModel::advanceClockLocked()
{
    if (!m_clockRunning)
        return;
    const qint64 now = m_monotonic.elapsed();
    const qint64 seconds = (now - m_clockMark) / 1000;
    if (seconds <= 0)
        return;
    m_clockMark += seconds * 1000;
    const auto it = m_params.find(ClockId);
    if (it == m_params.end())
        return;
    it->value += static_cast<quint32>(seconds);
    announceLocked(KindValue, ClockId);
}

void ControllerModel::announceLocked(quint8 kind, quint16 id)
{
    const quint32 key = (quint32(kind) << 16) | id;
    if (m_changeKeys.contains(key))
        return;
    m_changeKeys.insert(key);
    m_changes.append(Change{kind, id});
}

quint8 ControllerModel::noticeLocked() const
{
    // What stays pending once the reply being built is taken.
    if (m_changes.size() > m_consumeChanges)
        return NoticeChanges;
    if (m_newEvents.size() > m_consumeEvents)
        return NoticeEvents;
    return NoticeNone;
}

// --- events -----------------------------------------------------------------------

quint32 ControllerModel::eventAddress(int slot)
{
    const int page = slot / EventSlotsPerPage;
    const int k = slot % EventSlotsPerPage;
    return static_cast<quint32>(page * EventPageSize + k * EventRecordSize);
}

quint32 ControllerModel::addEvent(const QByteArray& record)
{
    if (record.size() != EventRecordSize)
        return InvalidValue;
    QMutexLocker lock(&m_mutex);
    // The area is a ring: when it is full the oldest record is overwritten.
    const quint32 address = eventAddress(m_nextEventSlot);
    m_nextEventSlot = (m_nextEventSlot + 1) % EventSlots;
    std::copy(record.constBegin(), record.constEnd(), m_eventArea.begin() + address);
    if (!m_newEvents.contains(address))
        m_newEvents.append(address);
    return address;
}

QByteArray ControllerModel::eventAt(quint32 address) const
{
    QMutexLocker lock(&m_mutex);
    QByteArray record(EventRecordSize, char(0xFF));
    for (int i = 0; i < EventRecordSize; ++i) {
        const quint64 at = quint64(address) + quint64(i);
        if (at < quint64(EventAreaSize))
            record[i] = m_eventArea.at(static_cast<int>(at));
    }
    return record;
}

// --- memory and archives -------------------------------------------------------------

void ControllerModel::writeMemory(quint32 address, const QByteArray& bytes)
{
    QMutexLocker lock(&m_mutex);
    writeMemoryLocked(address, bytes.constData(), bytes.size());
}

QByteArray ControllerModel::readMemory(quint32 address, int size) const
{
    QMutexLocker lock(&m_mutex);
    return readMemoryLocked(address, size);
}

void ControllerModel::writeMemoryLocked(quint32 address, const char* data, int size)
{
    quint64 at = address;
    int done = 0;
    while (done < size && at <= 0xFFFFFFFFull) {
        const quint32 page = static_cast<quint32>(at / MemoryPageSize);
        const int offset = static_cast<int>(at % MemoryPageSize);
        const int n = std::min(size - done, MemoryPageSize - offset);
        QByteArray& bytes = m_memoryPages[page];
        if (bytes.isEmpty())
            bytes = QByteArray(MemoryPageSize, char(0xFF));
        std::copy(data + done, data + done + n, bytes.begin() + offset);
        done += n;
        at += static_cast<quint64>(n);
    }
}

QByteArray ControllerModel::readMemoryLocked(quint32 address, int size) const
{
    QByteArray result(std::max(size, 0), char(0xFF));
    quint64 at = address;
    int done = 0;
    while (done < size && at <= 0xFFFFFFFFull) {
        const quint32 page = static_cast<quint32>(at / MemoryPageSize);
        const int offset = static_cast<int>(at % MemoryPageSize);
        const int n = std::min(size - done, MemoryPageSize - offset);
        const auto it = m_memoryPages.constFind(page);
        if (it != m_memoryPages.constEnd())
            std::copy(it->constBegin() + offset, it->constBegin() + offset + n, result.begin() + done);
        done += n;
        at += static_cast<quint64>(n);
    }
    return result;
}

void ControllerModel::loadImage(const QByteArray& image)
{
    const quint16 crc = Common::crc16(reinterpret_cast<const unsigned char*>(image.constData()),
                                      static_cast<unsigned int>(image.size()), 0xFFFF);

    // The third probe byte, non-zero, puts the header at ImageHeaderAddress.
    const char probe[3] = {0x01, 0x00, 0x01};

    char header[ImageHeaderSize] = {};
    putU32Le(header + 0, 0);      // progress base
    putU16Le(header + 4, 338);    // image version, logged by the program
    header[6] = 1;                // image kind, logged by the program
    putU32Le(header + 14, ImageDataAddress - ImageHeaderAddress - ImageHeaderSize);
    putU32Le(header + 18, static_cast<quint32>(image.size()));
    putU16Le(header + 24, crc);

    QMutexLocker lock(&m_mutex);
    writeMemoryLocked(ProbeAddress, probe, 3);
    writeMemoryLocked(ImageHeaderAddress, header, ImageHeaderSize);
    writeMemoryLocked(ImageDataAddress, image.constData(), image.size());
}

bool ControllerModel::setArchive(quint8 command, const QByteArray& data)
{
    if (command != CmdReadArchive && command != CmdReadArchiveCompressed && command != CmdReadArchiveCompressedRN)
        return false;
    QMutexLocker lock(&m_mutex);
    m_archives.insert(command, data);
    return true;
}

// --- faults and records --------------------------------------------------------------

void ControllerModel::setRefusal(std::function<bool(const QByteArray&)> refuses)
{
    QMutexLocker lock(&m_mutex);
    m_refuses = std::move(refuses);
}

void ControllerModel::setFault(Fault fault, int argument, int command)
{
    QMutexLocker lock(&m_mutex);
    m_fault = fault;
    m_corruptLeft = fault == Fault::Corrupt ? std::max(argument, 0) : 0;
    m_latencyMs = fault == Fault::Latency ? std::max(argument, 0) : 0;
    m_refuseLeft = fault == Fault::Refuse ? std::max(argument, 0) : 0;
    m_refuseCommand = fault == Fault::Refuse ? command : -1;
    if (fault == Fault::Silent) {
        m_out.clear();
        m_outPos = 0;
        m_consumeChanges = m_consumeEvents = 0;
    }
}

ControllerModel::Fault ControllerModel::fault() const
{
    QMutexLocker lock(&m_mutex);
    return m_fault;
}

QVector<ControllerModel::WriteRecord> ControllerModel::writes(quint64* dropped) const
{
    QMutexLocker lock(&m_mutex);
    if (dropped)
        *dropped = m_writesDropped;
    QVector<WriteRecord> writes;
    writes.reserve(int(m_writes.size()));
    std::copy(m_writes.begin(), m_writes.end(), std::back_inserter(writes));
    return writes;
}

QList<QByteArray> ControllerModel::scadaPackets() const
{
    QMutexLocker lock(&m_mutex);
    return m_scadaPackets;
}

QMap<quint8, quint64> ControllerModel::stats() const
{
    QMutexLocker lock(&m_mutex);
    return m_stats;
}

QMap<quint8, quint64> ControllerModel::received() const
{
    QMutexLocker lock(&m_mutex);
    return m_received;
}

void ControllerModel::watchWrite(quint16 id, quint32 raw)
{
    QMutexLocker lock(&m_mutex);
    m_watching = true;
    m_watchedWritten = false;
    m_watchedId = id;
    m_watchedRaw = raw;
    m_receivedAtWatched.clear();
}

bool ControllerModel::receivedAtWatchedWrite(QMap<quint8, quint64>* counts, QString* why) const
{
    QMutexLocker lock(&m_mutex);
    if (!m_watching || !m_watchedWritten) {
        *why = m_watching ? QStringLiteral("not written yet") : QStringLiteral("nothing watched");
        return false;
    }
    *counts = m_receivedAtWatched;
    return true;
}

int ControllerModel::pendingChangeCount() const
{
    QMutexLocker lock(&m_mutex);
    const_cast<ControllerModel*>(this)->advanceClockLocked();
    return m_changes.size();
}

int ControllerModel::pendingEventCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_newEvents.size();
}

void ControllerModel::setWireTimeSimulated(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_wireTime = on;
}

// --- the link -----------------------------------------------------------------------------

int ControllerModel::transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz, qint64 inFlightNs)
{
    if (length > 0 && (!tx || !rx))
        return -1;

    bool wireTime;
    {
        QMutexLocker lock(&m_mutex);
        wireTime = m_wireTime;
        advanceClockLocked();

        // Full duplex: what goes out now was ready before this transfer began.
        const bool delivered = clockOut(rx, length);

        const SpiFrame::Scanner::State state = m_scanner.feed(tx, static_cast<int>(std::min<quint32>(length, INT_MAX)));
        // A reply clocked out while the master sends its next request is not read.
        if (delivered && state != SpiFrame::Scanner::Complete) {
            for (; m_consumeChanges > 0 && !m_changes.isEmpty(); --m_consumeChanges) {
                const Change c = m_changes.takeFirst();
                m_changeKeys.remove((quint32(c.kind) << 16) | c.id);
            }
            m_newEvents.erase(m_newEvents.begin(), m_newEvents.begin() + std::min(m_consumeEvents, m_newEvents.size()));
            m_consumeEvents = 0;
        }
        if (state == SpiFrame::Scanner::Overflow) {
            m_scanner.reset();
        } else if (state == SpiFrame::Scanner::Complete) {
            const int n = m_scanner.length();
            if (n > 0)
                ++m_received[m_scanner.frame()[0]];
            if (m_fault != Fault::Silent) {
                const bool corrupt = m_fault == Fault::Corrupt && m_corruptLeft > 0;
                QByteArray reply;
                const int command = n > 0 ? m_scanner.frame()[0] : 0;
                const bool refusedByFault =
                    m_fault == Fault::Refuse && m_refuseLeft > 0 && (m_refuseCommand < 0 || m_refuseCommand == command);
                const bool refused = refusedByFault
                                     || (m_refuses && n > 0
                                         && m_refuses(QByteArray(reinterpret_cast<const char*>(m_scanner.frame()), n)));
                if (refused) {
                    if (refusedByFault)
                        --m_refuseLeft;
                    m_consumeChanges = m_consumeEvents = 0;
                    reply = frameLocked(static_cast<quint8>(command), true, QByteArray());
                } else {
                    reply = replyToLocked(m_scanner.frame(), n);
                }
                if (corrupt) {
                    --m_corruptLeft;
                    m_consumeChanges = m_consumeEvents = 0;
                    reply[reply.size() - 1] = static_cast<char>(reply.at(reply.size() - 1) ^ 0x5A);
                }
                QByteArray wire(2 * reply.size() + 2, Qt::Uninitialized);
                const int w = SpiFrame::wrap(reinterpret_cast<const quint8*>(reply.constData()), reply.size(),
                                             reinterpret_cast<quint8*>(wire.data()), wire.size());
                wire.resize(std::max(w, 0));
                m_out = wire;
                m_outPos = 0;
                m_outReadyAt = m_monotonic.elapsed() + (m_fault == Fault::Latency ? m_latencyMs : 0);
            }
            m_scanner.reset();
        }
    }

    if (wireTime && speedHz > 0 && length > 0)
        sleepWireTime(qint64(length) * 8 * 1000000000 / speedHz, inFlightNs);
    return static_cast<int>(std::min<quint32>(length, INT_MAX));
}

void ControllerModel::sleepWireTime(qint64 ns, qint64 inFlightNs)
{
    // The default timer slack alone stretches every short sleep by 50 us.
    static thread_local const bool preciseSleeps = ::prctl(PR_SET_TIMERSLACK, 1UL) == 0;
    Q_UNUSED(preciseSleeps);
    // The program's loop re-arms 15 ms after each exchange; a longer pause
    // (a retry after a failure, no program) starts afresh.
    const qint64 runningGapNs = 50000000;
    const qint64 maxCarriedNs = 2000000;

    qint64 sleepNs;
    qint64 deadline;
    {
        QMutexLocker lock(&m_mutex);
        const qint64 now = m_monotonic.nsecsElapsed();
        if (now - m_wireEndNs > runningGapNs)
            m_wireOverrunNs = 0;
        const qint64 carried = std::min({m_wireOverrunNs, maxCarriedNs, ns});
        m_wireOverrunNs -= carried;
        sleepNs = ns - carried - std::max<qint64>(inFlightNs, 0);
        deadline = now + sleepNs;
        m_wireEndNs = now;
    }
    if (sleepNs <= 0)
        return;
    std::this_thread::sleep_for(std::chrono::nanoseconds(sleepNs));
    QMutexLocker lock(&m_mutex);
    m_wireEndNs = m_monotonic.nsecsElapsed();
    m_wireOverrunNs = std::min(m_wireOverrunNs + std::max<qint64>(0, m_wireEndNs - deadline), maxCarriedNs);
}

bool ControllerModel::clockOut(quint8* rx, quint32 length)
{
    bool delivered = false;
    const bool ready = m_fault != Fault::Silent && m_outPos < m_out.size()
        && m_monotonic.elapsed() >= m_outReadyAt;
    quint32 i = 0;
    if (ready) {
        const quint32 n = std::min<quint32>(length, static_cast<quint32>(m_out.size() - m_outPos));
        std::copy(m_out.constBegin() + m_outPos, m_out.constBegin() + m_outPos + n, rx);
        m_outPos += static_cast<int>(n);
        i = n;
        if (m_outPos >= m_out.size()) {
            m_out.clear();
            m_outPos = 0;
            delivered = true;
        }
    }
    std::fill(rx + i, rx + length, quint8(0));
    return delivered;
}

quint32 ControllerModel::readKindLocked(quint8 command, quint16 id) const
{
    const auto it = m_params.constFind(id);
    if (it == m_params.constEnd())
        return InvalidValue;
    switch (command) {
    case CmdReadMin:
        return bitsFromFloat(it->min);
    case CmdReadMax:
        return bitsFromFloat(it->max);
    case CmdReadPhysic:
        // The code travels as float bits, as the limits do.
        return bitsFromFloat(static_cast<float>(it->physic));
    default:
        return it->value;
    }
}

QByteArray ControllerModel::replyToLocked(const quint8* frame, int length)
{
    m_consumeChanges = m_consumeEvents = 0;
    quint8 command = length > 0 ? frame[0] : 0;
    bool error = length < 4 || !SpiFrame::checkCrc(frame, length);
    const quint8* payload = frame + 2;
    const int payloadLength = error ? 0 : length - 4;
    QByteArray out;

    if (!error) {
        switch (command) {
        case CmdStatus:
            break;
        case CmdReadValues:
        case CmdReadMin:
        case CmdReadMax:
        case CmdReadPhysic: {
            const int n = std::min({payloadLength / 2, MaxRecords, MaxPayload / 6});
            for (int i = 0; i < n; ++i) {
                const quint16 id = getU16(payload + 2 * i);
                appendU16(out, id);
                appendU32(out, readKindLocked(command, id));
            }
            break;
        }
        case CmdWriteValues: {
            const int n = payloadLength / 7;
            for (int i = 0; i < n; ++i) {
                const quint8* r = payload + 7 * i;
                const quint16 id = getU16(r);
                const quint32 value = getU32(r + 2);
                if (m_writes.size() == size_t(MaxWriteRecords)) {
                    m_writes.pop_front();
                    ++m_writesDropped;
                }
                m_writes.push_back(WriteRecord{id, value, r[6]});
                if (m_watching && !m_watchedWritten && id == m_watchedId && value == m_watchedRaw) {
                    m_watchedWritten = true;
                    m_receivedAtWatched = m_received;
                }
                const auto it = m_params.find(id);
                if (it == m_params.end())
                    continue;
                it->value = value;
                announceLocked(KindValue, id);
            }
            break;
        }
        case CmdChanges: {
            const int n = std::min({m_changes.size(), MaxRecords, MaxPayload / 3});
            for (int i = 0; i < n; ++i) {
                out.append(static_cast<char>(m_changes.at(i).kind));
                appendU16(out, m_changes.at(i).id);
            }
            m_consumeChanges = n;
            break;
        }
        case CmdNewEvents: {
            const int n = std::min({m_newEvents.size(), MaxRecords, MaxPayload / 4});
            for (int i = 0; i < n; ++i)
                appendU32(out, m_newEvents.at(i));
            m_consumeEvents = n;
            break;
        }
        case CmdReadEvents: {
            const int n = std::min({payloadLength / 4, MaxRecords, MaxPayload / EventRecordSize});
            for (int i = 0; i < n; ++i) {
                const quint32 address = getU32(payload + 4 * i);
                for (int b = 0; b < EventRecordSize; ++b) {
                    const quint64 at = quint64(address) + quint64(b);
                    out.append(at < quint64(EventAreaSize) ? m_eventArea.at(static_cast<int>(at)) : char(0xFF));
                }
            }
            break;
        }
        case CmdReadMemory: {
            if (payloadLength < 6) {
                error = true;
                break;
            }
            const quint32 address = getU32(payload);
            const quint16 size = static_cast<quint16>(std::min<int>(getU16(payload + 4), MaxPayload - 6));
            appendU32(out, address);
            appendU16(out, size);
            out.append(readMemoryLocked(address, size));
            break;
        }
        case CmdReadArchive:
        case CmdReadArchiveCompressed:
        case CmdReadArchiveCompressedRN: {
            if (payloadLength < ArchiveHeaderSize) {
                error = true;
                break;
            }
            const QByteArray data = m_archives.value(command);
            const quint32 offset = getU32Le(payload + 3);
            const quint32 wanted = getU32Le(payload + 7);
            quint32 count = 0;
            if (offset < static_cast<quint32>(data.size()))
                count = std::min(wanted, static_cast<quint32>(data.size()) - offset);
            count = std::min<quint32>(count, MaxPayload - ArchiveHeaderSize);
            QByteArray header(reinterpret_cast<const char*>(payload), ArchiveHeaderSize);
            putU32Le(header.data() + 11, count);
            out.append(header);
            if (count > 0)
                out.append(data.constData() + offset, static_cast<int>(count));
            break;
        }
        case CmdScadaWrite:
            m_scadaPackets.append(QByteArray(reinterpret_cast<const char*>(payload), payloadLength));
            break;
        default:
            error = true;
            break;
        }
    }
    if (error)
        out.clear();
    else
        ++m_stats[command];
    return frameLocked(command, error, out);
}

QByteArray ControllerModel::frameLocked(quint8 command, bool error, const QByteArray& out) const
{
    QByteArray reply(HeaderSize, '\0');
    reply.append(out);
    reply.append(QByteArray(CrcSize, '\0'));
    reply[0] = static_cast<char>(command);
    reply[1] = static_cast<char>(reply.size() & 0xFF);
    reply[2] = static_cast<char>(error ? 1 : 0);
    reply[3] = static_cast<char>(noticeLocked());
    reply[4] = 0;
    SpiFrame::setCrc(reinterpret_cast<quint8*>(reply.data()), reply.size());
    return reply;
}
