#ifndef COMMON_HELPERS_H
#define COMMON_HELPERS_H

// The helpers that every floor uses: the CRC-16 of the link's frames and of
// the update's image, and a plain sleep. Common, the text catalogue, derives
// from this class, so the code above calls them by Common's name as well.
// Every function is reentrant and may be called from any thread.
class CommonHelpers
{
public:
    CommonHelpers() = delete;

    // CRC-16/MODBUS register update: pass 0xFFFF to start, the previous result to chain.
    static unsigned short crc16(unsigned char* data, unsigned int length, unsigned short init);
    static unsigned short crc16(const unsigned char* data, unsigned int length, unsigned short init);
    // Blocks the calling thread; a negative time returns at once.
    static void sleep(int ms);
};

#endif // COMMON_HELPERS_H
