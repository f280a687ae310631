#include "spiframe.h"
#include "common_helpers.h"

void SpiFrame::setCrc(quint8* frame, int n)
{
    if (n < 2)
        return;
    const unsigned short crc = CommonHelpers::crc16(frame, static_cast<unsigned int>(n - 2), 0xFFFF);
    frame[n - 2] = static_cast<quint8>(crc >> 8);
    frame[n - 1] = static_cast<quint8>(crc & 0xFF);
}

bool SpiFrame::checkCrc(const quint8* frame, int n)
{
    if (n < 2)
        return false;
    const unsigned short crc = CommonHelpers::crc16(frame, static_cast<unsigned int>(n - 2), 0xFFFF);
    return frame[n - 2] == static_cast<quint8>(crc >> 8) && frame[n - 1] == static_cast<quint8>(crc & 0xFF);
}

int SpiFrame::wrap(const quint8* frame, int n, quint8* out, int capacity)
{
    int k = 0;
    if (capacity < 2)
        return -1;
    out[k++] = Flag;
    for (int i = 0; i < n; ++i) {
        const quint8 b = frame[i];
        if (b == Flag || b == Escape) {
            if (k + 2 > capacity - 1)
                return -1;
            out[k++] = Escape;
            out[k++] = static_cast<quint8>(b ^ 0x20);
        } else {
            if (k + 1 > capacity - 1)
                return -1;
            out[k++] = b;
        }
    }
    out[k++] = Flag;
    return k;
}

void SpiFrame::Scanner::reset()
{
    m_state = Searching;
    m_escape = false;
    m_length = 0;
}

SpiFrame::Scanner::State SpiFrame::Scanner::feed(const quint8* data, int length)
{
    for (int i = 0; i < length; ++i) {
        if (m_state == Complete || m_state == Overflow)
            break;
        quint8 b = data[i];
        if (m_state == Searching) {
            if (b == Flag)
                m_state = Inside;
            continue;
        }
        if (b == Flag) {
            m_state = Complete;
            break;
        }
        if (b == Escape) {
            m_escape = true;
            continue;
        }
        if (m_escape)
            b |= 0x20;
        if (m_length > BufferSize) {
            m_state = Overflow;
            break;
        }
        m_frame[m_length++] = b;
        m_escape = false;
    }
    return m_state;
}
