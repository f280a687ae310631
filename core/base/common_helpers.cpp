#include "common_helpers.h"

#include <array>
#include <ctime>

namespace {

// Byte-wise table of the reflected polynomial 0xA001 (CRC-16/MODBUS).
constexpr std::array<unsigned short, 256> makeCrc16Table()
{
    std::array<unsigned short, 256> table{};
    for (unsigned int k = 0; k < 256; ++k) {
        unsigned int reg = k;
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1u) ? (reg >> 1) ^ 0xA001u : reg >> 1;
        table[k] = static_cast<unsigned short>(reg);
    }
    return table;
}

constexpr std::array<unsigned short, 256> crc16Table = makeCrc16Table();
static_assert(crc16Table[1] == 0xC0C1, "CRC-16/MODBUS table");
static_assert(crc16Table[255] == 0x4040, "CRC-16/MODBUS table");

} // namespace

unsigned short CommonHelpers::crc16(const unsigned char* data, unsigned int length, unsigned short init)
{
    unsigned int reg = init;
    for (unsigned int i = 0; i < length; ++i)
        reg = crc16Table[(reg ^ data[i]) & 0xFFu] ^ (reg >> 8);
    return static_cast<unsigned short>(reg);
}

unsigned short CommonHelpers::crc16(unsigned char* data, unsigned int length, unsigned short init)
{
    return crc16(static_cast<const unsigned char*>(data), length, init);
}

void CommonHelpers::sleep(int ms)
{
    timespec ts;
    ts.tv_sec = ms / 1000;
    ts.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    if (ts.tv_sec < 0 || ts.tv_nsec < 0)
        return; // nanosleep refuses negative times; nothing to wait for
    nanosleep(&ts, nullptr);
}
