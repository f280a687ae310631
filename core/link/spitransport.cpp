#include "spitransport.h"
#include "linuxspitransport.h"
#include "socketspitransport.h"

#include <QtGlobal>

std::unique_ptr<SpiTransport> SpiTransport::create()
{
    const QString socketPath = QString::fromLocal8Bit(qgetenv("VRX_CONTROLLER_SOCKET"));
    if (!socketPath.isEmpty())
        return std::unique_ptr<SpiTransport>(new SocketSpiTransport(socketPath));
    return std::unique_ptr<SpiTransport>(new LinuxSpiTransport);
}
