#ifndef LINUXSPITRANSPORT_H
#define LINUXSPITRANSPORT_H

#include "spitransport.h"

// The station's SPI device: one SPI_IOC_MESSAGE(1) ioctl per transfer, 8 bits
// per word, no delay, chip select kept as the device has it. The device's mode
// is left as the system configured it.
class LinuxSpiTransport : public SpiTransport
{
public:
    explicit LinuxSpiTransport(const QString& device = QStringLiteral("/dev/spidev0.0"));
    ~LinuxSpiTransport() override;

    bool open() override;
    bool isOpen() const override { return m_fd >= 0; }
    int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz) override;

private:
    QString m_device;
    int m_fd = -1;
};

#endif // LINUXSPITRANSPORT_H
