#ifndef MODEL_TRANSPORT_H
#define MODEL_TRANSPORT_H

#include "controller_model.h"
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

#endif // MODEL_TRANSPORT_H
