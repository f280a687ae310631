#ifndef SPITRANSPORT_H
#define SPITRANSPORT_H

#include <QString>
#include <QtGlobal>
#include <memory>

// One full-duplex SPI transfer at a time: length bytes go out from tx while
// length bytes come back into rx. On the station this is the spidev device; on
// a development machine a socket to the controller emulator stands in for it.
class SpiTransport
{
public:
    virtual ~SpiTransport() = default;
    // Opens the link; false when it is not (yet) available.
    virtual bool open() = 0;
    virtual bool isOpen() const = 0;
    // Returns the number of bytes transferred; 0 or less means the transfer failed.
    virtual int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz) = 0;

    // The socket to the emulator when VRX_CONTROLLER_SOCKET names one, the device otherwise.
    static std::unique_ptr<SpiTransport> create();
};

#endif // SPITRANSPORT_H
