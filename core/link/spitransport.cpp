#include "spitransport.h"
#include "linuxspitransport.h"
#include "socketspitransport.h"
#include "test_switch.h"

#include <QtGlobal>

std::unique_ptr<SpiTransport> SpiTransport::create()
{
    const QString socketPath = QString::fromLocal8Bit(testSwitch("VRX_CONTROLLER_SOCKET"));
    if (!socketPath.isEmpty())
        return std::unique_ptr<SpiTransport>(new SocketSpiTransport(socketPath));
    return std::unique_ptr<SpiTransport>(new LinuxSpiTransport);
}
