// Feeds arbitrary bytes to the service block parser, cut into pieces the way
// TCP might deliver them, and checks what it makes of them: every block is
// taken whole and only once it is whole, decoding never reads past a block,
// and whatever it hands on respects the caps.
#include "serviceblockparser.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

bool isRequest(quint16 command)
{
    switch (command) {
    case 0: case 1: case 2: case 5: case 6: case 7: case 8: case 9: case 10:
        return true;
    default:
        return false;
    }
}

void checkBlock(const ServiceBlockParser::Block& block, int size)
{
    check(block.valid || !block.note.isEmpty());
    if (!block.valid)
        return;
    check(size >= 2);
    check(isRequest(block.command));
    check(block.ids.size() <= (size - 2) / 2);
    check(block.addresses.size() <= qMin((size - 2) / 4, int(ServiceBlockParser::MaxEventAddresses)));
    if (block.command == 7 || block.command == 9)
        check(block.archive.size() == ServiceBlockParser::ArchiveRequestSize);
    else
        check(block.archive.isEmpty());
    if (block.command == 2)
        check(size == 2 + ServiceBlockParser::WritePayload);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte chooses how the stream is cut: 0 all at once, else
    // pieces of that many bytes.
    const int step = data[0] == 0 ? int(size) : int(data[0]);
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const int length = int(size - 1);

    ServiceBlockParser parser;
    qint64 consumed = 0;
    for (int at = 0; at < length; at += step) {
        const int piece = qMin(step, length - at);
        parser.append(bytes + at, piece);
        ServiceBlockParser::Block block;
        while (parser.next(&block)) {
            checkBlock(block, block.size);
            consumed += 2 + block.size;
        }
        check(parser.missing() >= 1);
        check(consumed + parser.buffered() == at + piece);
        // What waits is less than one block.
        check(parser.buffered() < ServiceBlockParser::MaxBlock);
    }

    // The whole input as one block body.
    const int body = qMin(length, 0xFFFF);
    const ServiceBlockParser::Block whole = ServiceBlockParser::decode(bytes, body);
    checkBlock(whole, body);
    return 0;
}
