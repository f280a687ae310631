#ifndef KEYBOARD_H
#define KEYBOARD_H

#include <QElapsedTimer>
#include <QObject>
#include <QSet>
#include <QString>
#include <functional>

class QThread;
class QTimer;

// Scans the front panel's 4 x 5 key matrix through the sysfs GPIO value
// files: selects one row at a time (writes "0" to it, "1" to the one before)
// and reads the five columns; a column reading "0" is a key down. One key is
// accepted per 200 ms, all keys together, so a held key repeats.
class KeyBoardPool : public QObject
{
    Q_OBJECT
public:
    static constexpr int Rows = 4;
    static constexpr int Columns = 5;
    static constexpr int RowIntervalMs = 30;
    static constexpr int ColumnIntervalMs = 1;
    // A key is accepted only when at least this long after the last one.
    static constexpr qint64 RepeatMs = 201;
    // Row interval while no column line can be read: the keypad is absent or
    // not exported yet, and a fast scan would only burn the CPU.
    static constexpr int IdleRowIntervalMs = 1000;

    static const int pinOut[Rows];
    static const int pinIn[Columns];

    struct Key
    {
        int code;
        const char* text; // empty for the function keys
    };
    static Key keyAt(int row, int column);

    // The value file of a GPIO line, under $VRX_SYSFS_ROOT.
    static QString valuePath(int gpio);

    explicit KeyBoardPool(QObject* parent = nullptr);

    // Milliseconds on a clock that only moves forward; a monotonic one by
    // default, since the program itself sets the wall clock.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }

    int currentRow() const { return m_row; }
    int currentColumn() const { return m_column; }
    // The wait before the next row: RowIntervalMs, or IdleRowIntervalMs
    // while no column line can be read.
    int rowInterval() const { return m_rowInterval; }

public slots:
    void process();
    void slotSetPinOut();
    void slotSetPinIn();

signals:
    void sendEvent(int key, QString keyStr);

private:
    bool writeLine(int gpio, const char* value);
    // 1 down, 0 up, -1 the file cannot be read.
    int readLine(int gpio);
    void lineMissing(int gpio, const QString& path);
    void lineFound(int gpio);
    qint64 now() const;

    QTimer* m_rowTimer = nullptr;
    QTimer* m_columnTimer = nullptr;
    int m_row = 0;
    int m_column = 0;
    qint64 m_lastKey = 0;
    bool m_anyKey = false;
    int m_unreadColumns = 0;
    int m_rowInterval = RowIntervalMs;
    // Lines whose value file could not be opened.
    QSet<int> m_missing;
    QString m_root;
    QElapsedTimer m_monotonic;
    std::function<qint64()> m_clock;
};

// The keypad: owns the thread the matrix is scanned in and hands each
// accepted key to the application as a key press.
class KeyBoard : public QObject
{
    Q_OBJECT
public:
    explicit KeyBoard(QObject* parent = nullptr);
    ~KeyBoard() override;

    QThread* scanThread() const { return m_thread; }

signals:
    // Each accepted key, delivered in the thread of this object.
    void sendEvent(int key, QString keyStr);

private:
    QThread* m_thread = nullptr;
};

#endif // KEYBOARD_H
