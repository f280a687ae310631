// The NTP client against servers on loopback: only the server asked, answering
// the request with a usable time, sets the station clock; its drops are logged
// once per interval and kind; the zone offset moves its stamps only within a
// day; and the reply arithmetic with its worked examples.
#include "log_capture.h"
#include "ntpclient.h"
#include "param_writes.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"
#include "wait_for.h"

#include <QUdpSocket>
#include <QtEndian>
#include <algorithm>
#include <limits>

namespace {

// A timestamp, its fraction rounded up so it reads back to the millisecond.
void putStamp(QByteArray& packet, int offset, qint64 msecsSince1970)
{
    const qint64 ms = msecsSince1970 + 2208988800000LL;
    qToBigEndian(quint32(ms / 1000), packet.data() + offset);
    qToBigEndian(quint32(((quint64(ms % 1000) << 32) + 999) / 1000), packet.data() + offset + 4);
}

// The station clock 562 = 1700000000 in a zone 3600 s east, as UTC.
const qint64 StationUtcMs = (1700000000LL - 3600) * 1000;

} // namespace

class TestNtp : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};
    QUdpSocket m_server;
    QHostAddress m_station;
    quint16 m_stationPort = 0;
    NtpClient* client() { return MainApplication::getInstance()->getNtpClient(); }

    QList<QByteArray> m_requestStamps;
    // The clock the client's drop log is bounded by, moved by the tests.
    qint64 m_logClockMs = 0;

    // The station's request at the server, and the answer of a good server:
    // one second ahead of the station, the origin the request's transmit time.
    // The request carries the station clock in UTC, whole seconds, with fresh
    // random bits below a millisecond in its fraction.
    QByteArray exchange()
    {
        if (!client()->sendRequest(QHostAddress::LocalHost, m_server.localPort())
            || (!m_server.hasPendingDatagrams() && !m_server.waitForReadyRead(5000)))
            return QByteArray();
        QByteArray request(68, '\0');
        request.truncate(int(m_server.readDatagram(request.data(), request.size(), &m_station, &m_stationPort)));
        QByteArray answer(48, '\0');
        answer[0] = 0x24; // leap indicator 0, version 4, mode 4 (server)
        answer[1] = 2;
        putStamp(answer, 24, StationUtcMs);
        const quint32 noise = qFromBigEndian<quint32>(request.constData() + 44);
        if (request.size() != 48 || quint8(request[0]) != 0x23 || request.mid(40, 4) != answer.mid(24, 4)
            || noise >= NtpClient::NoiseLimit)
            return QByteArray();
        m_requestStamps << request.mid(40, 8);
        answer.replace(24, 8, request.mid(40, 8));
        putStamp(answer, 32, StationUtcMs + 1000);
        putStamp(answer, 40, StationUtcMs + 1000);
        return answer;
    }

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        MainApplication::getInstance()->initNtp();
        m_drive.store = MainApplication::getInstance()->getParameters();
        m_drive.reportAll("562=0x6553F100 1367=3600");
        QVERIFY(m_server.bind(QHostAddress(QHostAddress::LocalHost), 0));
        client()->setDropLogClock([this] { return m_logClockMs; });
    }

    void replyArithmetic()
    {
        QByteArray packet(48, '\0');
        for (int at : {24, 32, 40})
            putStamp(packet, at, at == 24 ? 10000 : at == 32 ? 10300 : 10301);
        const NtpReply reply(packet, QDateTime::fromMSecsSinceEpoch(10101, Qt::UTC));
        QCOMPARE(QList<qint64>({reply.localClockOffset(), reply.roundTripDelay()}), QList<qint64>({250, 100}));
        putStamp(packet, 32, 10000);
        putStamp(packet, 40, 10000); // -3 ms halves toward zero
        QCOMPARE(NtpReply(packet, QDateTime::fromMSecsSinceEpoch(10003, Qt::UTC)).localClockOffset(), qint64(-1));
        QVERIFY(NtpReply().isNull());
    }

    // Each reply goes from a real socket to the application's client; only
    // the good one, once, writes the corrected clock (562, flag 2).
    void onlyTheServerAskedSetsTheClock_data()
    {
        QTest::addColumn<int>("byte");     // a byte of the good answer to change, -1 none
        QTest::addColumn<int>("value");    // its new value; origin bytes are XORed with it
        QTest::addColumn<QString>("from"); // the sender's address (another port), empty for the server
        QTest::addColumn<int>("copies");
        QTest::addColumn<QString>("dropped"); // why, in the warning
        QTest::newRow("good") << -1 << 0 << "" << 1 << "";
        QTest::newRow("good, twice") << -1 << 0 << "" << 2 << "no request awaits";
        QTest::newRow("origin, lowest bit") << 31 << 0x01 << "" << 1 << "origin timestamp";
        QTest::newRow("origin, seconds") << 24 << 0x80 << "" << 1 << "origin timestamp";
        QTest::newRow("origin, the right second only") << 28 << 0 << "" << 1 << "origin timestamp";
        QTest::newRow("mode 3") << 0 << 0x23 << "" << 1 << "mode 3";
        QTest::newRow("leap indicator 3") << 0 << 0xE4 << "" << 1 << "leap indicator 3";
        QTest::newRow("stratum 0") << 1 << 0 << "" << 1 << "stratum 0";
        QTest::newRow("stratum 16") << 1 << 16 << "" << 1 << "stratum 16";
        QTest::newRow("transmit 0") << 40 << 0 << "" << 1 << "transmit timestamp is 0";
        QTest::newRow("another port") << -1 << 0 << "127.0.0.1" << 1 << "sent from 127.0.0.1:";
        QTest::newRow("another address") << -1 << 0 << "127.0.0.2" << 1 << "sent from 127.0.0.2:";
    }

    void onlyTheServerAskedSetsTheClock()
    {
        QFETCH(int, byte);
        QFETCH(int, value);
        QFETCH(QString, from);
        QFETCH(int, copies);
        QFETCH(QString, dropped);
        m_logClockMs += NtpClient::DropLogIntervalMs; // each row's drops are logged afresh
        QByteArray answer = exchange();
        QVERIFY2(!answer.isEmpty(), "the station's request at the server");
        if (byte == 40)
            answer.replace(40, 8, QByteArray(8, '\0'));
        else if (byte == 28) // a forger who knows the second guesses no fraction
            answer.replace(28, 4, QByteArray(4, '\0'));
        else if (byte >= 24)
            answer[byte] = char(answer[byte] ^ value);
        else if (byte >= 0)
            answer[byte] = char(value);
        QUdpSocket other;
        QVERIFY(from.isEmpty() || other.bind(QHostAddress(from), 0));
        QUdpSocket& sender = from.isEmpty() ? m_server : other;
        QSignalSpy writes(m_drive.store, &Parameters::signalParamWrite);
        QSignalSpy replies(client(), &NtpClient::replyReceived);
        const bool clockSet = byte < 0 && from.isEmpty();
        if (clockSet)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^NTP client: sync time -"));
        if (!dropped.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^NTP client: reply dropped, .*" + dropped));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^NTP client: reply dropped, a datagram of 20 bytes from "
                                                              + QRegularExpression::escape(from.isEmpty() ? "127.0.0.1" : from)
                                                              + ":\\d+ is shorter than 48 bytes$"));
        sender.writeDatagram(QByteArray(20, 'x'), m_station, m_stationPort); // too short: no reply at all
        for (int i = 0; i < copies; ++i)
            sender.writeDatagram(answer, m_station, m_stationPort);
        QTRY_COMPARE(replies.count(), copies);
        QCOMPARE(writesOf(writes), clockSet ? Writes({{562, 1700000001u}}) : Writes());
        QCOMPARE(writes.value(0).value(2, 2).toInt(), 2);
        // Every request so far had bits of its own (a repeat has odds of 2^-22).
        QList<QByteArray> stamps = m_requestStamps;
        std::sort(stamps.begin(), stamps.end());
        QVERIFY(std::adjacent_find(stamps.begin(), stamps.end()) == stamps.end());
    }

    // Any host can send to the client's port: a burst of bad datagrams logs
    // one line per kind of drop, and nothing more until the interval is over;
    // then the next of each kind is logged with the count of those that were
    // not.
    void dropsAreLoggedOncePerIntervalAndKind()
    {
        const QByteArray answer = exchange(); // a request outstanding: sender and origin are checked
        QVERIFY2(!answer.isEmpty(), "the station's request at the server");
        QByteArray forged = answer;
        forged[31] = char(forged[31] ^ 1);
        QUdpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress(QHostAddress::LocalHost), 0));
        QSignalSpy replies(client(), &NtpClient::replyReceived);
        // Short ones first: read in order, they are all in once the last long one is.
        const auto burst = [&](int copies) {
            for (int i = 0; i < copies; ++i)
                stranger.writeDatagram(QByteArray(20, 'x'), m_station, m_stationPort);
            for (int i = 0; i < copies; ++i) {
                stranger.writeDatagram(answer, m_station, m_stationPort);
                m_server.writeDatagram(forged, m_station, m_stationPort);
            }
            const int expected = replies.count() + 2 * copies;
            return waitFor([&] { return replies.count() == expected; }, 5000);
        };
        LogCapture log;
        const auto lines = [&log] { return log.lines("NTP client: reply dropped"); };
        m_logClockMs += NtpClient::DropLogIntervalMs;
        const bool sent = burst(5);
        const QStringList first = lines();
        m_logClockMs += NtpClient::DropLogIntervalMs - 1;
        const bool late = sent && burst(1);
        const QStringList within = lines().mid(first.size());
        m_logClockMs += 1;
        const bool over = late && burst(1);
        const QStringList after = lines().mid(first.size() + within.size());
        QVERIFY2(sent && late && over, "the datagrams at the client");
        const QStringList kinds{"is shorter than 48 bytes", "sent from 127.0.0.1:", "origin timestamp"};
        QCOMPARE(first.size(), kinds.size());
        QCOMPARE(within, QStringList());
        QCOMPARE(after.size(), kinds.size());
        for (int k = 0; k < kinds.size(); ++k) {
            QVERIFY2(first.at(k).contains(kinds.at(k)) && !first.at(k).contains("not logged"), qPrintable(first.at(k)));
            QVERIFY2(after.at(k).contains(kinds.at(k)) && after.at(k).endsWith("; 5 more like it not logged"),
                     qPrintable(after.at(k)));
        }
    }

    // Any writer can set the zone offset (the controller, the console, the
    // service port): within a day it moves the request's stamp, beyond it (or
    // not a number) the station clock is taken as UTC, with no overflow on
    // the way, and a refused value is logged once however often it is used.
    void zoneOffsetWithinADayOnly_data()
    {
        QTest::addColumn<QString>("report"); // of 1367
        QTest::addColumn<qint64>("applied");
        QTest::addColumn<bool>("logged");
        QTest::newRow("an hour west") << "-3600" << qint64(-3600) << false;
        QTest::newRow("a day east") << "86400" << qint64(86400) << false;
        QTest::newRow("a day west") << "-86400" << qint64(-86400) << false;
        QTest::newRow("a fraction, toward zero") << "-5400.75" << qint64(-5400) << false;
        QTest::newRow("1e18") << "1e18" << qint64(0) << true;
        QTest::newRow("-1e18") << "-1e18" << qint64(0) << true;
        QTest::newRow("90000") << "90000" << qint64(0) << true;
        QTest::newRow("a second beyond a day west") << "-86401" << qint64(0) << true;
        QTest::newRow("largest float") << "0x7F7FFFFF" << qint64(0) << true;
        QTest::newRow("infinity") << "0x7F800000" << qint64(0) << true;
        QTest::newRow("minus infinity") << "0xFF800000" << qint64(0) << true;
        QTest::newRow("NaN") << "0x7FC00000" << qint64(0) << false;      // invalid, as not received
        QTest::newRow("not received") << "nan" << qint64(0) << false;
    }
    void zoneOffsetWithinADayOnly()
    {
        QFETCH(QString, report);
        QFETCH(qint64, applied);
        QFETCH(bool, logged);
        MainApplication* app = MainApplication::getInstance();
        app->setZoneLogClock([this] { return m_logClockMs; });
        m_drive.reportAll("1367=0"); // each row's value is new
        if (logged)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Time zone offset "));
        LogCapture log;
        m_drive.reportAll("1367=" + report);
        QList<qint64> stamps;
        for (int i = 0; i < 2; ++i) {
            m_logClockMs += LogThrottle::DefaultIntervalMs; // the throttle would let a second line out
            QByteArray request(68, '\0');
            if (!client()->sendRequest(QHostAddress::LocalHost, m_server.localPort())
                || (!m_server.hasPendingDatagrams() && !m_server.waitForReadyRead(5000)))
                QFAIL("the station's request at the server");
            request.truncate(int(m_server.readDatagram(request.data(), request.size())));
            QCOMPARE(request.size(), 48);
            stamps << qint64(qFromBigEndian<quint32>(request.constData() + 40));
        }
        const qint64 expected = 1700000000LL - applied + 2208988800LL;
        QCOMPARE(stamps, QList<qint64>({expected, expected}));
        const QStringList lines = log.lines("Time zone offset");
        QCOMPARE(lines.size(), logged ? 1 : 0);
        if (logged)
            QVERIFY2(lines.first().endsWith(" s is not within a day, not applied; the station clock is taken as UTC"),
                     qPrintable(lines.first()));
        m_drive.reportAll("1367=3600");
    }

    // A writer that keeps changing the refused offset gets one line per
    // interval, which then counts the refusals it held back.
    void zoneOffsetRefusalsAreThrottled()
    {
        MainApplication* app = MainApplication::getInstance();
        app->setZoneLogClock([this] { return m_logClockMs; });
        m_logClockMs += LogThrottle::DefaultIntervalMs;
        LogCapture log;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Time zone offset 90000 s"));
        for (int i = 0; i < 6; ++i) {
            m_drive.reportAll(i % 2 ? "1367=-90000" : "1367=90000");
            QCOMPARE(app->currentDateTimeUtc().toSecsSinceEpoch(), qint64(1700000000));
        }
        m_logClockMs += LogThrottle::DefaultIntervalMs;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^Time zone offset 1e\\+06 s"));
        m_drive.reportAll("1367=1e6");
        QCOMPARE(app->currentDateTimeUtc().toSecsSinceEpoch(), qint64(1700000000));
        const QStringList lines = log.lines("Time zone offset");
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines.last().endsWith("; 5 more like it not logged"), qPrintable(lines.last()));
        m_drive.reportAll("1367=3600");
    }

    void periodRearmsOnlyWhenUsable()
    {
        m_drive.reportAll("1353=1 1355=127 1356=0 1357=0 1358=1 1354=3"); // a settings change arms 2000 ms
        QCOMPARE(MainApplication::getInstance()->ntpTimerInterval(), 2000);
        for (float period : {3.f, 0.f, -5.f, std::numeric_limits<float>::infinity()}) {
            m_drive.report(1354, period);
            if (period != 3.f)
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not usable"));
            MainApplication::getInstance()->sendRequestNtp(); // then the period, when usable
            QCOMPARE(MainApplication::getInstance()->ntpTimerInterval(), period == 3.f ? 3000 : 2000);
        }
    }
};

VRX_TEST_APPLICATION_MAIN(TestNtp)
#include "tst_ntp.moc"
