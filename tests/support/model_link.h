#ifndef MODEL_LINK_H
#define MODEL_LINK_H

#include "controller_model.h"
#include "model_transport.h"
#include "parameters.h"
#include "spidriver.h"
#include "spithread.h"

#include <QSqlQuery>
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
        stop();
        delete thread;
    }
    ModelLink(const ModelLink&) = delete;
    ModelLink& operator=(const ModelLink&) = delete;
    void start() { thread->start(QThread::LowPriority); }
    bool stop()
    {
        thread->requestInterruption();
        thread->exit(0);
        return thread->wait(10000);
    }
};

// The store and a seeded link wired as the program wires them (no event
// cache): start() begins with the first synchronisation.
struct ModelStation
{
    Parameters parameters;
    ModelLink link{true};
    ModelStation() { link.driver->setPeers(&parameters); }
    // Keeps the test database's parameters below an id, so that a first
    // synchronisation takes a moment; before the store is made.
    static bool keepParametersBelow(int id)
    {
        return QSqlQuery().exec(QStringLiteral("DELETE FROM parameters WHERE id >= %1").arg(id));
    }
};

#endif // MODEL_LINK_H
