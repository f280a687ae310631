#include "serviceblockparser.h"

namespace {

quint16 be16(const char* p)
{
    const auto* u = reinterpret_cast<const uchar*>(p);
    return static_cast<quint16>((u[0] << 8) | u[1]);
}

quint32 be32(const char* p)
{
    const auto* u = reinterpret_cast<const uchar*>(p);
    return (quint32(u[0]) << 24) | (quint32(u[1]) << 16) | (quint32(u[2]) << 8) | quint32(u[3]);
}

// A null QByteArray is written as the count 0xFFFFFFFF with no bytes.
constexpr quint32 NullArray = 0xFFFFFFFFu;

void decodeIds(ServiceBlockParser::Block* block, const char* payload, int length)
{
    const int count = length / 2;
    block->ids.resize(count);
    for (int i = 0; i < count; ++i)
        block->ids[i] = be16(payload + 2 * i);
    if (length % 2)
        block->note = QStringLiteral("command %1: odd byte after %2 ids ignored").arg(block->command).arg(count);
}

void decodeAddresses(ServiceBlockParser::Block* block, const char* payload, int length)
{
    int count = length / 4;
    QString note;
    if (length % 4)
        note = QStringLiteral("%1 bytes after %2 addresses ignored").arg(length % 4).arg(count);
    if (count > ServiceBlockParser::MaxEventAddresses) {
        note = QStringLiteral("%1 event addresses asked, first %2 read").arg(count).arg(ServiceBlockParser::MaxEventAddresses);
        count = ServiceBlockParser::MaxEventAddresses;
    }
    block->addresses.resize(count);
    for (int i = 0; i < count; ++i)
        block->addresses[i] = be32(payload + 4 * i);
    if (!note.isEmpty())
        block->note = QStringLiteral("command 1: ") + note;
}

// The payload is one QByteArray; it must lie inside the block. The request
// the controller gets is always 15 bytes: shorter ones are padded with zeros,
// longer ones cut.
void decodeArchive(ServiceBlockParser::Block* block, const char* payload, int length)
{
    const quint16 command = block->command;
    if (length < 4) {
        block->note = QStringLiteral("command %1: %2 payload bytes, no byte array; block skipped").arg(command).arg(length);
        return;
    }
    const quint32 count = be32(payload);
    const int available = length - 4;
    QByteArray request;
    QString note;
    if (count != NullArray) {
        if (count > quint32(available)) {
            block->note = QStringLiteral("command %1: byte array of %2 bytes in a block holding %3; block skipped")
                              .arg(command)
                              .arg(count)
                              .arg(available);
            return;
        }
        request = QByteArray(payload + 4, int(count));
        if (quint32(available) > count)
            note = QStringLiteral("%1 bytes after the byte array ignored; ").arg(available - int(count));
    }
    if (request.size() != ServiceBlockParser::ArchiveRequestSize) {
        note += QStringLiteral("archive request of %1 bytes, sent as %2")
                    .arg(request.size())
                    .arg(ServiceBlockParser::ArchiveRequestSize);
        request = request.leftJustified(ServiceBlockParser::ArchiveRequestSize, '\0', true);
    }
    if (!note.isEmpty())
        block->note = QStringLiteral("command %1: ").arg(command) + note;
    block->archive = request;
    block->valid = true;
}

} // namespace

void ServiceBlockParser::append(const char* data, int size)
{
    if (size <= 0)
        return;
    // Drop what has been taken before growing the buffer, so it never holds
    // more than the unfinished block and the new bytes.
    if (m_pos > 0) {
        m_buffer.remove(0, m_pos);
        m_pos = 0;
    }
    m_buffer.append(data, size);
}

bool ServiceBlockParser::next(Block* block)
{
    const int available = buffered();
    if (available < SizeField)
        return false;
    const char* start = m_buffer.constData() + m_pos;
    const int size = be16(start);
    if (available < SizeField + size)
        return false;
    *block = decode(start + SizeField, size);
    m_pos += SizeField + size;
    if (m_pos == m_buffer.size()) {
        m_buffer.clear();
        m_pos = 0;
    }
    return true;
}

int ServiceBlockParser::missing() const
{
    const int available = buffered();
    if (available < SizeField)
        return SizeField - available;
    const int size = be16(m_buffer.constData() + m_pos);
    return qMax(1, SizeField + size - available);
}

void ServiceBlockParser::clear()
{
    m_buffer.clear();
    m_pos = 0;
}

ServiceBlockParser::Block ServiceBlockParser::decode(const char* body, int size)
{
    Block block;
    block.size = static_cast<quint16>(qBound(0, size, 0xFFFF));
    if (size < CommandField) {
        // No command fits: nothing may drive the id loops.
        block.note = QStringLiteral("block of size %1 holds no command; skipped").arg(size);
        return block;
    }
    block.command = be16(body);
    const char* payload = body + CommandField;
    const int length = size - CommandField;

    switch (block.command) {
    case ReadValues:
    case ReadMin:
    case ReadMax:
    case ReadPhysic:
        decodeIds(&block, payload, length);
        block.valid = true;
        break;
    case ReadEvents:
        decodeAddresses(&block, payload, length);
        block.valid = true;
        break;
    case WriteValue:
        // A write changes the station: take it only when it has exactly the
        // layout of a write.
        if (length != WritePayload) {
            block.note = QStringLiteral("command 2: payload of %1 bytes, %2 expected; block skipped")
                             .arg(length)
                             .arg(WritePayload);
            break;
        }
        block.id = be16(payload);
        block.value = static_cast<qint32>(be32(payload + 2));
        block.flag = static_cast<qint32>(be32(payload + 6));
        block.valid = true;
        break;
    case LinkState:
        if (length != LinkStatePayload) {
            block.note = QStringLiteral("command 8: payload of %1 bytes, %2 expected; block skipped")
                             .arg(length)
                             .arg(LinkStatePayload);
            break;
        }
        block.id = be16(payload);
        block.value = static_cast<qint32>(be32(payload + 2));
        block.valid = true;
        break;
    case ReadArchive:
    case ReadArchiveCompressed:
        decodeArchive(&block, payload, length);
        break;
    default:
        block.note = QStringLiteral("unknown command %1 in a block of size %2; skipped").arg(block.command).arg(size);
        break;
    }
    return block;
}
