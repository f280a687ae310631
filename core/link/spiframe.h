#ifndef SPIFRAME_H
#define SPIFRAME_H

#include <QtGlobal>

// The frame of the SPI link, shared by the driver and the controller emulator.
// An unescaped frame is: command, length (CRC included), payload, CRC-16/MODBUS
// of everything before it, high byte first. On the wire it is wrapped in 0x7E
// flags and 0x7D/0x7E inside it are escaped as 0x7D, byte XOR 0x20.
namespace SpiFrame {

constexpr quint8 Flag = 0x7E;
constexpr quint8 Escape = 0x7D;
// Size of the fixed transfer buffers on both sides.
constexpr int BufferSize = 4121;
// The collected frame may hold one byte more than the buffer before the
// scanner declares an overflow.
constexpr int FrameCapacity = 4124;

// CRC over bytes 0..n-3 written into bytes n-2 (high) and n-1 (low).
void setCrc(quint8* frame, int n);
// True when the last two bytes hold the CRC of the others (n >= 2).
bool checkCrc(const quint8* frame, int n);
// Wraps and escapes frame[0..n) into out; returns the wire length, or -1 when
// it does not fit into capacity.
int wrap(const quint8* frame, int n, quint8* out, int capacity);

// Collects one frame from the bytes of successive transfers. Bytes before the
// start flag and after the end flag are dropped; the escape state carries over
// from one transfer to the next.
class Scanner
{
public:
    enum State { Searching, Inside, Complete, Overflow };

    void reset();
    // Scans data; returns the state after it. Stops at the end flag or when
    // the frame outgrows the buffer.
    State feed(const quint8* data, int length);

    State state() const { return m_state; }
    bool sawStart() const { return m_state != Searching; }
    const quint8* frame() const { return m_frame; }
    int length() const { return m_length; }

private:
    State m_state = Searching;
    bool m_escape = false;
    int m_length = 0;
    quint8 m_frame[FrameCapacity] = {};
};

} // namespace SpiFrame

#endif // SPIFRAME_H
