// Feeds arbitrary bytes to the SPI driver as the controller's side of one
// exchange, for every command the driver can have in flight: the scanner,
// the validation and the reply dispatch must neither crash nor read past
// their buffers.
#include "scripted_transport.h"
#include "spidriver.h"
#include "spiframe.h"

#include <cstdint>

namespace {

void silence(QtMsgType, const QMessageLogContext&, const QString&) {}

const quint8 Commands[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QtMessageHandler previous = qInstallMessageHandler(silence);
    Q_UNUSED(previous)
    if (size < 2)
        return 0;
    const quint8 command = Commands[data[0] % sizeof Commands];
    QByteArray body(reinterpret_cast<const char*>(data + 2), static_cast<int>(size - 2));
    auto* transport = new ScriptedTransport;
    transport->replyStream = body;
    if (data[1] & 1) {
        // A well-formed frame around the bytes, so that the dispatch sees them.
        QByteArray frame = QByteArray(1, char(command)) + char(body.size() + 4) + body.left(4000) + QByteArray(2, '\0');
        SpiFrame::setCrc(reinterpret_cast<quint8*>(frame.data()), frame.size());
        transport->replyStream.resize(frame.size() * 2 + 2);
        transport->replyStream.resize(qMax(0, SpiFrame::wrap(reinterpret_cast<const quint8*>(frame.constData()), frame.size(),
                                                             reinterpret_cast<quint8*>(transport->replyStream.data()),
                                                             transport->replyStream.size())));
    }
    SpiDriver driver(nullptr, false);
    driver.setTransport(std::unique_ptr<SpiTransport>(transport));
    quint8 request[16] = {};
    driver.setCurrentCommand(command);
    driver.preparePackage(request, 4);
    if (driver.sendPackage(1))
        driver.receivePackage();
    return 0;
}
