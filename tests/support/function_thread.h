#ifndef FUNCTION_THREAD_H
#define FUNCTION_THREAD_H

#include <QThread>
#include <functional>

// A thread that runs one function (QThread::create is newer than the
// station's Qt).
class FunctionThread : public QThread
{
public:
    explicit FunctionThread(std::function<void()> body)
        : m_body(std::move(body))
    {
    }

protected:
    void run() override { m_body(); }

private:
    std::function<void()> m_body;
};

#endif // FUNCTION_THREAD_H
