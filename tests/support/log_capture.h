#ifndef LOG_CAPTURE_H
#define LOG_CAPTURE_H

#include <QMutex>
#include <QMutexLocker>
#include <QStringList>
#include <QtGlobal>

// Keeps every log line written while it lives, from any thread, and passes
// each on to the handler it replaced (so QTest still sees and may ignore it).
class LogCapture
{
public:
    LogCapture()
    {
        QMutexLocker lock(&mutex());
        current() = this;
        m_previous = qInstallMessageHandler(&LogCapture::handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        QMutexLocker lock(&mutex());
        current() = nullptr;
    }
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    // Lines holding text, oldest first.
    QStringList lines(const QString& text) const
    {
        QMutexLocker lock(&mutex());
        return m_lines.filter(text);
    }
    int count(const QString& text) const { return int(lines(text).size()); }

private:
    static QMutex& mutex()
    {
        static QMutex m;
        return m;
    }
    static LogCapture*& current()
    {
        static LogCapture* c = nullptr;
        return c;
    }
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        QtMessageHandler previous = nullptr;
        {
            QMutexLocker lock(&mutex());
            if (LogCapture* c = current()) {
                c->m_lines << text;
                previous = c->m_previous;
            }
        }
        if (previous)
            previous(type, context, text);
    }

    QtMessageHandler m_previous = nullptr;
    QStringList m_lines;
};

#endif // LOG_CAPTURE_H
