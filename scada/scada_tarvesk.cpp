#include "scada_tarvesk.h"

#include "spidriver.h"

ScadaTarvesk::ScadaTarvesk()
    : Scada()
{
}

void ScadaTarvesk::connectSpiDriver(SpiDriver* driver)
{
    Scada::connectSpiDriver(driver);
    connect(this, &ScadaTarvesk::signalScadaRequestCompressLog, driver, &SpiDriver::slotScadaRequestLogCompress);
    connectArchiveReply(driver, &SpiDriver::signalSpiResiveLogCompress,
                        static_cast<ArchiveReplySlot>(&ScadaTarvesk::slotScadaResiveCompressLog), CmdArchiveCompressed);
}

bool ScadaTarvesk::readCompressLog(quint32 offset, quint32 length, QByteArray* header, QByteArray* data,
                                   int timeoutMs)
{
    return readArchive(CmdArchiveCompressed, offset, length, header, data, timeoutMs,
                       [this](const QByteArray& request) { emit signalScadaRequestCompressLog(request); });
}

void ScadaTarvesk::slotScadaResiveCompressLog(QByteArray header, QByteArray data)
{
    appendArchiveReply(CmdArchiveCompressed, header, data);
}
