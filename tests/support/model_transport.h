#ifndef MODEL_TRANSPORT_H
#define MODEL_TRANSPORT_H

#include "controller_model.h"
#include "spidriver.h"
#include "spitransport.h"

// The in-process controller: the driver's transfers go straight to a
// ControllerModel, which answers as the controller would.
class ModelTransport : public SpiTransport
{
public:
    explicit ModelTransport(ControllerModel* model)
        : m_model(model)
    {
    }
    bool open() override { return true; }
    bool isOpen() const override { return true; }
    int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz) override
    {
        return m_model->transfer(tx, rx, length, speedHz);
    }

private:
    ControllerModel* m_model;
};

// The program's own side of one exchange at a time over a transport, in the
// calling thread: the whole reply frame, or nothing when none came in time.
struct Master
{
    SpiDriver driver{nullptr, false};
    SpiTransport* transport;
    explicit Master(SpiTransport* t)
        : transport(t)
    {
        driver.setTransport(std::unique_ptr<SpiTransport>(t));
    }
    QByteArray ask(quint8 command, const QByteArray& payload = QByteArray(), int timeoutMs = 200)
    {
        quint8 request[300] = {};
        std::copy(payload.constBegin(), payload.constEnd(), request + 2);
        driver.setCurrentCommand(command);
        driver.preparePackage(request, unsigned(payload.size() + 4));
        if (!driver.sendPackage(timeoutMs))
            return QByteArray();
        return QByteArray(reinterpret_cast<const char*>(driver.reply()), int(driver.replyLength()));
    }
    // The payload of a reply: what follows the five header bytes, CRC aside.
    QByteArray payload(quint8 command, const QByteArray& body = QByteArray())
    {
        const QByteArray reply = ask(command, body);
        return reply.mid(5, reply.size() - 7);
    }
};

#endif // MODEL_TRANSPORT_H
