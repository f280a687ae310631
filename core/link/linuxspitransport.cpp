#include "linuxspitransport.h"

#include <QFile>
#include <cstring>
#include <fcntl.h>
#include <linux/spi/spidev.h>
#include <sys/ioctl.h>
#include <unistd.h>

LinuxSpiTransport::LinuxSpiTransport(const QString& device)
    : m_device(device)
{
}

LinuxSpiTransport::~LinuxSpiTransport()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

bool LinuxSpiTransport::open()
{
    if (m_fd >= 0)
        return true;
    m_fd = ::open(QFile::encodeName(m_device).constData(), O_RDWR | O_CLOEXEC);
    return m_fd >= 0;
}

int LinuxSpiTransport::transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz)
{
    if (m_fd < 0)
        return -1;
    spi_ioc_transfer xfer;
    std::memset(&xfer, 0, sizeof xfer);
    xfer.tx_buf = reinterpret_cast<quintptr>(tx);
    xfer.rx_buf = reinterpret_cast<quintptr>(rx);
    xfer.len = length;
    xfer.speed_hz = speedHz;
    xfer.bits_per_word = 8;
    xfer.delay_usecs = 0;
    xfer.cs_change = 0;
    return ::ioctl(m_fd, SPI_IOC_MESSAGE(1), &xfer);
}
