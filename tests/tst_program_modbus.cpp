// The program and the controller emulator as processes: a Modbus TCP master
// on port 502 that pipelines requests and reads none of its replies is held
// back, then dropped, while three other masters poll and are answered; the
// program's memory stays flat. Masters that read get every answer, in order,
// also when they read slowly. The station's map has no registers yet, so
// every answer is exception 2.
#include "flooder.h"
#include "modbus_master.h"
#include "modbus_reply_guard.h"
#include "process_station.h"
#include "wait_for.h"

#include <QtTest>
#include <memory>
#include <vector>

namespace {

constexpr long MemoryKb = 4 * 1024;
// AddressSanitizer's quarantine of freed memory kept to 1 MB, well below the
// bound (see ProcessStation::SmallQuarantine).
const char* const SmallerQuarantine = "ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=1:thread_local_quarantine_size_kb=64";
// How long a poll may take in this suite: it shows that the masters are
// answered; how fast is bench_servers' to tell.
constexpr int PollTimeoutMs = 2000;

// count pipelined requests, transaction ids from 0.
QByteArray pipelined(int count)
{
    QByteArray requests;
    for (int i = 0; i < count; ++i)
        requests += ModbusMaster::readRequest(quint16(i));
    return requests;
}

QList<int> expectedOrder(int count)
{
    QList<int> order;
    for (int i = 0; i < count; ++i)
        order << quint16(i);
    return order;
}

} // namespace

class TestProgramModbus : public QObject
{
    Q_OBJECT

private:
    ProcessStation* m_station = nullptr;
    QByteArray log() { return m_station->programLog(); }

private slots:
    void initTestCase()
    {
        QVERIFY2(ProcessStation::stationPortsFree(), "the station's ports held by another program");
        m_station = new ProcessStation;
        QVERIFY(m_station->startEmulator() && m_station->startProgram({}, {SmallerQuarantine}));
        // Started up: the window built, which takes memory of its own.
        QVERIFY2(waitFor([this] { return log().contains("[I] CS: Server started") && log().contains("SCADA: Modbus unit identifier"); }, 30000),
                 log().constData());
        // What the guard needs of QtSerialBus is there, on this Qt too.
        QVERIFY2(!log().contains("out of reach"), log().constData());
    }

    void cleanupTestCase() { delete m_station; }

    // One master pipelines reads of 125 registers through a 4 KiB receive
    // buffer and reads nothing. The others are answered all along; it is
    // held back (what it sends stops being taken), left so for the time
    // bound and then dropped, its connection reset, with a line naming it.
    void masterLeavingRepliesUnreadIsHeldBackThenDropped()
    {
        std::vector<std::unique_ptr<ModbusMaster::Poller>> pollers;
        for (int i = 0; i < 3; ++i) {
            pollers.emplace_back(new ModbusMaster::Poller(502));
            QVERIFY2(pollers.back()->connected() && pollers.back()->poll(PollTimeoutMs) >= 0, "a polling master answered");
        }
        const long residentBefore = m_station->residentKb();
        long residentHighest = residentBefore;
        QElapsedTimer clock;
        clock.start();
        Flooder flooder(502, ModbusMaster::readRequest(7, 125).repeated(256), Flooder::LeaveRepliesUnread, 4096);
        QVERIFY2(flooder.connected(), "the flooding master connected");
        const QByteArray named = "SCADA: Modbus TCP master 127.0.0.1:" + QByteArray::number(flooder.localPort()) + " ";
        // When what the flooder sends last grew, and when its connection ended.
        qint64 sent = 0, lastSendMs = 0, closedMs = -1;
        int polls = 0, unanswered = 0;
        while (closedMs < 0 && clock.elapsed() < ModbusReplyGuard::UnreadLimitMs + 4000) {
            for (const auto& poller : pollers) {
                ++polls;
                unanswered += poller->poll(PollTimeoutMs) < 0;
            }
            QTest::qWait(20);
            residentHighest = qMax(residentHighest, m_station->residentKb());
            if (flooder.bytesSent() != sent) {
                sent = flooder.bytesSent();
                lastSendMs = clock.elapsed();
            }
            if (flooder.closedByPeer())
                closedMs = clock.elapsed();
        }
        flooder.stop();
        qInfo("%d polls, %d unanswered; the flooder sent %lld bytes, the last %lld ms after it began; "
              "dropped after %lld ms; resident memory %ld -> %ld kB",
              polls, unanswered, sent, lastSendMs, closedMs, residentBefore, residentHighest);
        QCOMPARE(unanswered, 0);
        QVERIFY2(closedMs >= 0, "the flooding master dropped");
        QVERIFY2(waitFor([&] { return log().contains(named); }), log().constData());
        const QByteArray line = log().mid(log().indexOf(named)).split('\n').first();
        QVERIFY2(line.contains("has read none of its replies for"), line.constData());
        // Held back: nothing more taken for a while, then the time bound.
        QVERIFY2(closedMs - lastSendMs >= 1000, "what the flooder sent held back before it was dropped");
        QVERIFY2(closedMs >= ModbusReplyGuard::UnreadLimitMs, "the flooder given the time bound");
        QVERIFY2(residentBefore > 0 && residentHighest - residentBefore <= MemoryKb, "resident memory up by 4 MB at most");
        for (const auto& poller : pollers)
            QVERIFY2(poller->poll(PollTimeoutMs) >= 0, "a polling master answered once the flooder has gone");
    }

    // A master that reads gets every answer once, in order, with its
    // transaction ids: one that pipelines 1,000 requests, and one that
    // pipelines 60,000 through a small receive buffer and reads nothing for
    // a second (540 KB of answers: held back meanwhile), then reads them all.
    void readingMasterGetsEveryAnswerInOrder_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("pauseMs");
        QTest::newRow("1,000 read as they come") << 1000 << 0;
        QTest::newRow("60,000 read after a pause") << 60000 << 1000;
    }

    void readingMasterGetsEveryAnswerInOrder()
    {
        QFETCH(int, count);
        QFETCH(int, pauseMs);
        const int fd = rawClient(502, pauseMs > 0 ? 4096 : 0);
        QVERIFY2(fd >= 0, "the master connected");
        const QByteArray requests = pipelined(count);
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
        // Sends what the connection takes: once, or for ms, reading nothing.
        int sent = 0;
        auto send = [&](int ms) {
            QElapsedTimer clock;
            clock.start();
            do {
                const ssize_t n = sent < requests.size()
                                      ? ::send(fd, requests.constData() + sent, size_t(requests.size() - sent), MSG_NOSIGNAL)
                                      : 0;
                if (n > 0)
                    sent += int(n);
                else if (ms > 0)
                    QThread::msleep(1);
            } while (clock.elapsed() < ms);
        };
        send(pauseMs);
        // Then reads, sending the rest as it goes: every answer the
        // exception for its transaction.
        QList<int> transactions;
        QByteArray in;
        bool wrong = false;
        QElapsedTimer clock;
        clock.start();
        while (transactions.size() < count && !wrong && clock.elapsed() < 8000) {
            send(0);
            const QByteArray answer = ModbusMaster::takeAnswer(fd, &in, 1000);
            if (answer.isEmpty())
                break;
            const quint16 transaction = ModbusMaster::transactionOf(answer);
            wrong = answer != ModbusMaster::noRegisterAnswer(transaction);
            transactions << transaction;
        }
        ::close(fd);
        QVERIFY2(!wrong, "every answer the exception for its request");
        QCOMPARE(transactions.size(), count);
        QVERIFY2(transactions == expectedOrder(count), "the answers in the order of the requests");
    }
};

QTEST_GUILESS_MAIN(TestProgramModbus)
#include "tst_program_modbus.moc"
