#ifndef SPITHREAD_H
#define SPITHREAD_H

#include <QThread>

// The thread of the SPI link; a class of its own so it shows by name.
class SpiThread : public QThread
{
    Q_OBJECT
public:
    using QThread::QThread;
};

#endif // SPITHREAD_H
