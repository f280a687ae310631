#ifndef SPITHREAD_H
#define SPITHREAD_H

#include <QThread>
#include <sys/prctl.h>

// The thread of the SPI link; a class of its own so it shows by name.
class SpiThread : public QThread
{
    Q_OBJECT
public:
    using QThread::QThread;

protected:
    void run() override
    {
        // The link's pace is the loop's 15 ms re-arm; the kernel's default
        // timer slack would let every re-arm run up to 50 us late.
        ::prctl(PR_SET_TIMERSLACK, 1UL);
        QThread::run();
    }
};

#endif // SPITHREAD_H
