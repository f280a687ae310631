#ifndef SCADA_TARVESK_H
#define SCADA_TARVESK_H

#include "scada.h"

// The maker's own register map. Besides the engine's requests it reads the
// compressed archive through SPI command 12.
class ScadaTarvesk : public Scada
{
    Q_OBJECT
public:
    ScadaTarvesk();

    // Asks the controller for length bytes of the compressed archive (SPI
    // command 12) from offset and waits for the reply; SCADA thread.
    bool readCompressLog(quint32 offset, quint32 length, QByteArray* header, QByteArray* data,
                         int timeoutMs = TransferTimeoutMs);

public slots:
    // Runs in the SPI thread (through connectArchiveReply): keeps a reply
    // while the map waits for one.
    void slotScadaResiveCompressLog(QByteArray header, QByteArray data);

signals:
    void signalScadaRequestCompressLog(QByteArray request);

protected:
    void connectSpiDriver(SpiDriver* driver) override;
};

#endif // SCADA_TARVESK_H
