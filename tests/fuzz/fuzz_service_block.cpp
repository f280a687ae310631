// Feeds arbitrary bytes to the service block parser, cut into pieces the way
// TCP might deliver them: every block is taken whole and only once it is
// whole, decoding never reads past a block, and whatever it hands on
// respects the caps.
#include "serviceblockparser.h"

#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkBlock(const ServiceBlockParser::Block& block, int size)
{
    check(block.valid || !block.note.isEmpty());
    if (!block.valid)
        return;
    check(size >= 2 && QVector<int>({0, 1, 2, 5, 6, 7, 8, 9, 10}).contains(block.command));
    check(block.ids.size() <= (size - 2) / 2);
    check(block.addresses.size() <= qMin((size - 2) / 4, int(ServiceBlockParser::MaxEventAddresses)));
    const bool archive = block.command == 7 || block.command == 9;
    check(block.archive.size() == (archive ? ServiceBlockParser::ArchiveRequestSize : 0));
    check(block.command != 2 || size == 2 + ServiceBlockParser::WritePayload);
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
        parser.append(bytes + at, qMin(step, length - at));
        ServiceBlockParser::Block block;
        while (parser.next(&block)) {
            checkBlock(block, block.size);
            consumed += 2 + block.size;
        }
        check(parser.missing() >= 1 && parser.buffered() < ServiceBlockParser::MaxBlock);
        check(consumed + parser.buffered() == qMin(at + step, length));
    }
    // The whole input as one block body.
    checkBlock(ServiceBlockParser::decode(bytes, qMin(length, 0xFFFF)), qMin(length, 0xFFFF));
    return 0;
}
