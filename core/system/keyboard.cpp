#include "keyboard.h"
#include "test_switch.h"

#include <QDebug>
#include <QFile>
#include <QThread>
#include <QTimer>

const int KeyBoardPool::pinOut[KeyBoardPool::Rows] = {135, 136, 137, 129};
const int KeyBoardPool::pinIn[KeyBoardPool::Columns] = {134, 133, 132, 128, 138};

namespace {

// The panel as it is printed: digits and the point carry their text, the
// function keys none.
const KeyBoardPool::Key keyMap[KeyBoardPool::Rows][KeyBoardPool::Columns] = {
    {{Qt::Key_4, "4"}, {Qt::Key_8, "8"}, {Qt::Key_F11, ""}, {Qt::Key_F10, ""}, {Qt::Key_F4, ""}},
    {{Qt::Key_3, "3"}, {Qt::Key_7, "7"}, {Qt::Key_Period, "."}, {Qt::Key_F6, ""}, {Qt::Key_F7, ""}},
    {{Qt::Key_2, "2"}, {Qt::Key_6, "6"}, {Qt::Key_0, "0"}, {Qt::Key_F5, ""}, {Qt::Key_F8, ""}},
    {{Qt::Key_1, "1"}, {Qt::Key_5, "5"}, {Qt::Key_9, "9"}, {Qt::Key_F9, ""}, {Qt::Key_F3, ""}},
};

} // namespace

// --- the scanner --------------------------------------------------------------------

KeyBoardPool::KeyBoardPool(QObject* parent)
    : QObject(parent)
    , m_root(QString::fromLocal8Bit(testSwitch("VRX_SYSFS_ROOT")))
{
    m_monotonic.start();
}

KeyBoardPool::Key KeyBoardPool::keyAt(int row, int column)
{
    if (row < 0 || row >= Rows || column < 0 || column >= Columns)
        return Key{0, ""};
    return keyMap[row][column];
}

QString KeyBoardPool::valuePath(int gpio)
{
    return QString::fromLocal8Bit(testSwitch("VRX_SYSFS_ROOT")) + QString("/sys/class/gpio/gpio%1/value").arg(gpio);
}

qint64 KeyBoardPool::now() const
{
    return m_clock ? m_clock() : m_monotonic.elapsed();
}

void KeyBoardPool::process()
{
    m_rowTimer = new QTimer(this);
    m_rowTimer->setSingleShot(true);
    m_rowTimer->setInterval(RowIntervalMs);
    m_columnTimer = new QTimer(this);
    m_columnTimer->setSingleShot(true);
    m_columnTimer->setInterval(ColumnIntervalMs);
    connect(m_rowTimer, &QTimer::timeout, this, &KeyBoardPool::slotSetPinOut);
    connect(m_columnTimer, &QTimer::timeout, this, &KeyBoardPool::slotSetPinIn);
    m_rowTimer->start();
}

void KeyBoardPool::slotSetPinOut()
{
    writeLine(pinOut[m_row], "1");
    m_row = (m_row + 1) % Rows;
    writeLine(pinOut[m_row], "0");
    m_unreadColumns = 0;
    if (m_columnTimer)
        m_columnTimer->start();
}

void KeyBoardPool::slotSetPinIn()
{
    const int state = readLine(pinIn[m_column]);
    if (state < 0)
        ++m_unreadColumns;
    if (state > 0) {
        const Key key = keyAt(m_row, m_column);
        const qint64 t = now();
        if (!m_anyKey || t - m_lastKey >= RepeatMs) {
            m_anyKey = true;
            m_lastKey = t;
            emit sendEvent(key.code, QString::fromLatin1(key.text));
        }
    }

    m_column = (m_column + 1) % Columns;
    if (m_column != 0) {
        if (m_columnTimer)
            m_columnTimer->start();
    } else {
        m_rowInterval = m_unreadColumns == Columns ? IdleRowIntervalMs : RowIntervalMs;
        if (m_rowTimer)
            m_rowTimer->start(m_rowInterval);
    }
}

bool KeyBoardPool::writeLine(int gpio, const char* value)
{
    const QString path = m_root + QString("/sys/class/gpio/gpio%1/value").arg(gpio);
    // A line's value file exists once the system has exported it; never make one.
    QFile file(path);
    if (!file.exists() || !file.open(QIODevice::WriteOnly)) {
        lineMissing(gpio, path);
        return false;
    }
    const bool ok = file.write(value, 1) == 1;
    file.close();
    lineFound(gpio);
    return ok;
}

int KeyBoardPool::readLine(int gpio)
{
    const QString path = m_root + QString("/sys/class/gpio/gpio%1/value").arg(gpio);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        lineMissing(gpio, path);
        return -1;
    }
    const QByteArray value = file.readAll();
    file.close();
    lineFound(gpio);
    return !value.isEmpty() && value.at(0) == '0' ? 1 : 0;
}

void KeyBoardPool::lineMissing(int gpio, const QString& path)
{
    // One line in the log, not one every 30 ms: the lines may simply not be
    // exported yet, or the board has no keypad.
    if (m_missing.isEmpty())
        qWarning().noquote() << "KeyBoard: cannot open" << path << "- the keypad is not read";
    m_missing.insert(gpio);
}

void KeyBoardPool::lineFound(int gpio)
{
    if (m_missing.isEmpty() || !m_missing.remove(gpio) || !m_missing.isEmpty())
        return;
    qWarning() << "KeyBoard: GPIO lines readable again";
}

// --- the owner of the scan thread ---------------------------------------------------------

KeyBoard::KeyBoard(QObject* parent)
    : QObject(parent)
    , m_thread(new QThread)
{
    m_thread->setObjectName("KeyBoard");
    KeyBoardPool* pool = new KeyBoardPool;
    pool->moveToThread(m_thread);
    connect(m_thread, &QThread::started, pool, &KeyBoardPool::process);
    connect(m_thread, &QThread::finished, pool, &QObject::deleteLater);
    // Queued: the key crosses from the scan thread to this object's thread.
    connect(pool, &KeyBoardPool::sendEvent, this, &KeyBoard::sendEvent);
    m_thread->start();
}

KeyBoard::~KeyBoard()
{
    m_thread->quit();
    m_thread->wait();
    // Stopped: safe to delete now, and a deleteLater would never run once
    // the application's event loop is over.
    delete m_thread;
    qDebug() << "~KeyBoard()";
}
