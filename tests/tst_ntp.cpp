// The NTP client against servers on loopback: only the server asked, answering
// the request with a usable time, sets the station clock; and the reply
// arithmetic with its worked examples.
#include "ntpclient.h"
#include "param_writes.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QUdpSocket>
#include <QtEndian>
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

    // The station's request at the server, and the answer of a good server:
    // one second ahead of the station, the origin the request's transmit time.
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
        putStamp(answer, 24, StationUtcMs); // a client request carries the station clock, in UTC
        if (request.size() != 48 || quint8(request[0]) != 0x23 || request.mid(40, 8) != answer.mid(24, 8))
            return QByteArray();
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
    }

    void replyArithmetic()
    {
        QByteArray packet(48, '\0');
        putStamp(packet, 24, 10000);
        putStamp(packet, 32, 10300);
        putStamp(packet, 40, 10301);
        QCOMPARE(NtpReply(packet, QDateTime::fromMSecsSinceEpoch(10101, Qt::UTC)).localClockOffset(), qint64(250));
        QCOMPARE(NtpReply(packet, QDateTime::fromMSecsSinceEpoch(10101, Qt::UTC)).roundTripDelay(), qint64(100));
        putStamp(packet, 32, 10000);
        putStamp(packet, 40, 10000);
        QCOMPARE(NtpReply(packet, QDateTime::fromMSecsSinceEpoch(10003, Qt::UTC)).localClockOffset(), qint64(-1));
        QVERIFY(NtpReply().isNull());
    }

    // Each reply goes from a real socket to the application's client; only
    // the good one writes the corrected clock (562, flag 2).
    void onlyTheServerAskedSetsTheClock_data()
    {
        QTest::addColumn<int>("byte");     // a byte of the good answer to change, -1 none
        QTest::addColumn<int>("value");    // its new value; origin bytes are XORed with it
        QTest::addColumn<QString>("from"); // the sender's address and port, empty for the server's
        QTest::addColumn<QString>("reason");
        QTest::newRow("good") << -1 << 0 << "" << "";
        QTest::newRow("origin, lowest bit") << 31 << 0x01 << "" << "origin timestamp";
        QTest::newRow("origin, seconds") << 24 << 0x80 << "" << "origin timestamp";
        QTest::newRow("mode 3") << 0 << 0x23 << "" << "mode 3";
        QTest::newRow("leap indicator 3") << 0 << 0xE4 << "" << "leap indicator 3";
        QTest::newRow("stratum 0") << 1 << 0 << "" << "stratum 0";
        QTest::newRow("stratum 16") << 1 << 16 << "" << "stratum 16";
        QTest::newRow("transmit 0") << 40 << 0 << "" << "transmit timestamp is 0";
        QTest::newRow("another port") << -1 << 0 << "127.0.0.1" << "sent from 127.0.0.1:";
        QTest::newRow("another address") << -1 << 0 << "127.0.0.2" << "sent from 127.0.0.2:";
    }

    void onlyTheServerAskedSetsTheClock()
    {
        QFETCH(int, byte);
        QFETCH(int, value);
        QFETCH(QString, from);
        QFETCH(QString, reason);
        QByteArray answer = exchange();
        QVERIFY2(!answer.isEmpty(), "the station's request at the server");
        if (byte == 40)
            answer.replace(40, 8, QByteArray(8, '\0'));
        else if (byte >= 24)
            answer[byte] = char(answer[byte] ^ value);
        else if (byte >= 0)
            answer[byte] = char(value);
        QUdpSocket other;
        QVERIFY(from.isEmpty() || other.bind(QHostAddress(from), 0));
        QSignalSpy writes(m_drive.store, &Parameters::signalParamWrite);
        QSignalSpy replies(client(), &NtpClient::replyReceived);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(reason.isEmpty() ? "^NTP client: sync time -"
                                                                               : "^NTP client: reply dropped, .*" + reason));
        QUdpSocket& sender = from.isEmpty() ? m_server : other;
        sender.writeDatagram(QByteArray(20, 'x'), m_station, m_stationPort); // too short: no reply at all
        sender.writeDatagram(answer, m_station, m_stationPort);
        QVERIFY2(replies.wait(5000), "the reply at the client");
        QCOMPARE(replies.count(), 1);
        QCOMPARE(writesOf(writes), reason.isEmpty() ? Writes({{562, 1700000001u}}) : Writes());
        QCOMPARE(writes.value(0).value(2, 2).toInt(), 2);
    }

    void aReplyTwiceSetsTheClockOnce()
    {
        const QByteArray answer = exchange();
        QVERIFY2(!answer.isEmpty(), "the station's request at the server");
        QSignalSpy writes(m_drive.store, &Parameters::signalParamWrite);
        QSignalSpy replies(client(), &NtpClient::replyReceived);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^NTP client: sync time -"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^NTP client: reply dropped, no request awaits"));
        m_server.writeDatagram(answer, m_station, m_stationPort);
        m_server.writeDatagram(answer, m_station, m_stationPort);
        QTRY_COMPARE(replies.count(), 2);
        QCOMPARE(writesOf(writes), Writes({{562, 1700000001u}}));
    }

    void periodRearmsOnlyWhenUsable()
    {
        MainApplication* app = MainApplication::getInstance();
        m_drive.reportAll("1353=1 1355=127 1356=0 1357=0 1358=1 1354=3"); // a settings change arms 2000 ms
        QCOMPARE(app->ntpTimerInterval(), 2000);
        app->sendRequestNtp(); // then the period
        QCOMPARE(app->ntpTimerInterval(), 3000);
        for (float bad : {0.f, -5.f, std::numeric_limits<float>::infinity()}) {
            m_drive.report(1354, bad);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not usable"));
            app->sendRequestNtp();
            QCOMPARE(app->ntpTimerInterval(), 2000);
        }
    }
};

VRX_TEST_APPLICATION_MAIN(TestNtp)
#include "tst_ntp.moc"
