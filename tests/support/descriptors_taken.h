#ifndef DESCRIPTORS_TAKEN_H
#define DESCRIPTORS_TAKEN_H

#include <QtGlobal>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

// Takes every descriptor this process has left but the given number, below
// a limit lowered for the purpose; gives them back when released, the limit
// when it goes. Only code that has run before may run meanwhile: the
// sanitizer's type check needs a pipe the first time it meets a type.
class DescriptorsTaken
{
public:
    explicit DescriptorsTaken(int left = 0)
    {
        ::getrlimit(RLIMIT_NOFILE, &m_limit);
        rlimit lowered = m_limit;
        lowered.rlim_cur = qMin<rlim_t>(m_limit.rlim_cur, 1024);
        ::setrlimit(RLIMIT_NOFILE, &lowered);
        m_fds.reserve(1024);
        for (int fd; (fd = ::dup(0)) >= 0;)
            m_fds.push_back(fd);
        for (; left > 0 && !m_fds.empty(); --left, m_fds.pop_back())
            ::close(m_fds.back());
    }
    ~DescriptorsTaken()
    {
        release();
        ::setrlimit(RLIMIT_NOFILE, &m_limit);
    }
    void release()
    {
        for (int fd : m_fds)
            ::close(fd);
        m_fds.clear();
    }

private:
    Q_DISABLE_COPY(DescriptorsTaken)
    rlimit m_limit = {};
    std::vector<int> m_fds;
};

#endif // DESCRIPTORS_TAKEN_H
