#ifndef THREAD_START_RESERVE_H
#define THREAD_START_RESERVE_H

#include <QThread>
#include <functional>

// A new thread makes its event loop's wake-up descriptor (an eventfd, or a
// pipe where there is none) in the thread itself, before anything of ours
// runs there, and Qt ends the program when it finds no descriptor. Seeing a
// descriptor free beforehand is not enough: any other thread (the SCADA
// server accepting and closing clients, the SPI link, NTP) may take it in
// between. So a few descriptors are held open in reserve for the whole
// program; they are given back just before a thread starts and taken again
// once it has its event loop, so that a thread taking descriptors meanwhile
// takes those rather than the new thread's.
class ThreadStartReserve
{
public:
    // What a new thread's wake-up takes (two descriptors for a pipe), plus
    // what other threads, each opening and closing one descriptor at a time,
    // may hold at the moment it is made.
    static constexpr int Size = 4;
    // Longest wait for a thread just started to have its event loop.
    static constexpr int StartWaitMs = 5000;

    // True when the reserve is whole, after filling it up if need be; false
    // while descriptors are short, or a thread started earlier has not made
    // its event loop yet.
    static bool isReady();
    // Starts the thread with the reserve given back for its wake-up, waits
    // (at most StartWaitMs) until it has its event loop, and fills the
    // reserve up again. Meant for a thread that isReady() has just allowed.
    // False when the system made no thread (at the process's limit of
    // threads or memory, say): the thread never runs, never finishes, and
    // may be deleted at once.
    static bool start(QThread* thread, QThread::Priority priority = QThread::InheritPriority);
    // Descriptors the reserve holds now.
    static int held();
    // For tests: called with each thread just before start() starts it (to
    // make that start fail, say); none by default.
    static void setStartHook(std::function<void(QThread*)> hook);

private:
    ThreadStartReserve() = delete;
};

#endif // THREAD_START_RESERVE_H
