#ifndef MODEL_LINK_H
#define MODEL_LINK_H

#include "controller_model.h"
#include "model_transport.h"
#include "spidriver.h"
#include "spithread.h"

#include <memory>

// The SPI driver in its own thread against an in-process controller, as the
// program runs it; seeded, the controller holds the database and the
// emulator's seed. start() starts the thread; the destructor stops it.
struct ModelLink
{
    ControllerModel model;
    SpiThread* thread = new SpiThread;
    SpiDriver* driver = new SpiDriver(thread, false);

    explicit ModelLink(bool seeded = false)
    {
        if (seeded) {
            model.loadDatabase();
            model.loadSeed(QStringLiteral(VRX_SOURCE_DIR "/emulator/seed.csv"));
        }
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        driver->setTransport(std::unique_ptr<SpiTransport>(new ModelTransport(&model)));
        driver->moveToThread(thread);
    }
    ~ModelLink()
    {
        thread->requestInterruption();
        thread->exit(0);
        thread->wait(20000);
        delete thread;
    }
    ModelLink(const ModelLink&) = delete;
    ModelLink& operator=(const ModelLink&) = delete;
    void start() { thread->start(QThread::LowPriority); }
    int writesOf(quint16 id) const
    {
        int n = 0;
        for (const ControllerModel::WriteRecord& w : model.writes())
            n += w.id == id ? 1 : 0;
        return n;
    }
};

#endif // MODEL_LINK_H
