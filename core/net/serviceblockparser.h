#ifndef SERVICEBLOCKPARSER_H
#define SERVICEBLOCKPARSER_H

#include <QByteArray>
#include <QString>
#include <QVector>
#include <QtGlobal>

// Cuts the byte stream of a port-5321 client into blocks (u16 size, then
// size bytes of command and payload, big-endian as QDataStream version 7
// writes them) and decodes each request. A block is taken only once it is
// whole, and decoding never looks past it: whatever a client sends, the next
// block starts where the size said, so one bad block cannot desynchronise the
// stream. Kept free of sockets so it can be fed bytes directly.
class ServiceBlockParser
{
public:
    enum Command : quint16 {
        ReadValues = 0,
        ReadEvents = 1,
        WriteValue = 2,
        ValueReply = 3,
        EventReply = 4,
        ReadMin = 5,
        ReadMax = 6,
        ReadArchive = 7,
        LinkState = 8,
        ReadArchiveCompressed = 9,
        ReadPhysic = 10
    };

    static constexpr int SizeField = 2;
    static constexpr int CommandField = 2;
    // The largest block a u16 size can announce, size field included.
    static constexpr int MaxBlock = SizeField + 0xFFFF;
    // The controller's event area holds 975 records: a client never needs more
    // addresses than that in one request, and each one costs an exchange on
    // the SPI link.
    static constexpr int MaxEventAddresses = 975;
    // An archive request is the 15 bytes the controller expects.
    static constexpr int ArchiveRequestSize = 15;
    // Fixed payloads: id, value, flag for a write; u16, i32 for command 8.
    static constexpr int WritePayload = 2 + 4 + 4;
    static constexpr int LinkStatePayload = 2 + 4;

    struct Block
    {
        // False when the block was skipped as a whole; note says why.
        bool valid = false;
        quint16 size = 0;
        quint16 command = 0;
        QVector<quint16> ids;       // 0, 5, 6, 10
        QVector<quint32> addresses; // 1
        quint16 id = 0;             // 2 (and 8, read and dropped)
        qint32 value = 0;           // 2 (and 8)
        qint32 flag = 0;            // 2
        QByteArray archive;         // 7, 9: always ArchiveRequestSize bytes
        // Why a block was skipped, or what was adjusted in a taken one;
        // empty for a clean block.
        QString note;
    };

    void append(const char* data, int size);
    void append(const QByteArray& bytes) { append(bytes.constData(), bytes.size()); }
    // Takes the next whole block; false while it is still incomplete.
    bool next(Block* block);
    // Bytes received and not yet taken as a block.
    int buffered() const { return m_buffer.size() - m_pos; }
    // Bytes still missing before next() can take a block; at least 1.
    int missing() const;
    void clear();

    // Decodes the body of one block: size bytes of command and payload.
    static Block decode(const char* body, int size);

private:
    QByteArray m_buffer;
    int m_pos = 0;
};

#endif // SERVICEBLOCKPARSER_H
