#include "scada_tarvesk.h"

#include "spidriver.h"

ScadaTarvesk::ScadaTarvesk()
    : Scada()
{
}

void ScadaTarvesk::connectSpiDriver(SpiDriver* driver)
{
    Scada::connectSpiDriver(driver);
    connect(this, &ScadaTarvesk::signalScadaRequestCompressLog, driver, &SpiDriver::slotSpiRequestLogCompress);
    connectArchiveReply(driver, &SpiDriver::signalSpiResiveLogCompress,
                        static_cast<ArchiveReplySlot>(&ScadaTarvesk::slotScadaResiveCompressLog), CmdArchiveCompressed);
}

bool ScadaTarvesk::readCompressLog(quint32 offset, quint32 length, QByteArray* header, QByteArray* data,
                                   int timeoutMs)
{
    if (!isSpiDriverConnected() || !isProcessEnabled())
        return false;
    const QByteArray request = archiveRequest(offset, length);
    beginArchiveWait(CmdArchiveCompressed);
    emit signalScadaRequestCompressLog(request);
    if (waitArchiveReply(request, header, data, timeoutMs))
        return true;
    emit signalArchiveWaitEnded(CmdArchiveCompressed, request);
    return false;
}

void ScadaTarvesk::slotScadaResiveCompressLog(QByteArray header, QByteArray data)
{
    appendArchiveReply(CmdArchiveCompressed, header, data);
}
