// The NTP client against a server on loopback, the reply arithmetic and the
// application's glue that corrects the station clock.
#include "ntpclient.h"
#include "store_driver.h"
#include "test_application.h"
#include "test_database.h"

#include <QSignalSpy>
#include <QUdpSocket>
#include <limits>

namespace {

// A server's timestamp, its fraction rounded up so it reads back to the millisecond.
void putStamp(QByteArray& packet, int offset, qint64 msecsSince1970)
{
    const qint64 ms = msecsSince1970 + 2208988800000LL;
    NtpTimestamp stamp;
    stamp.seconds = quint32(ms / 1000);
    stamp.fraction = quint32(((quint64(ms % 1000) << 32) + 999) / 1000);
    for (int i = 0; i < 4; ++i) {
        packet[offset + i] = char((stamp.seconds >> (24 - 8 * i)) & 0xFF);
        packet[offset + 4 + i] = char((stamp.fraction >> (24 - 8 * i)) & 0xFF);
    }
}

} // namespace

class TestNtp : public QObject
{
    Q_OBJECT

private:
    TestDatabase* m_db = nullptr;
    StoreDriver m_drive{nullptr};

private slots:
    void initTestCase()
    {
        m_db = new TestDatabase;
        MainApplication::getInstance()->initStore();
        MainApplication::getInstance()->initNtp();
        m_drive.store = MainApplication::getInstance()->getParameters();
    }

    void replyArithmetic()
    {
        const qint64 base = 1700000000000LL;
        QByteArray packet(48, '\0');
        putStamp(packet, 24, base + 10000);
        putStamp(packet, 32, base + 10300);
        putStamp(packet, 40, base + 10301);
        const NtpReply reply(packet, QDateTime::fromMSecsSinceEpoch(base + 10101, Qt::UTC));
        QCOMPARE(reply.localClockOffset(), qint64(250));
        QCOMPARE(reply.roundTripDelay(), qint64(100));
        // A negative odd sum halves toward zero.
        putStamp(packet, 32, base + 10000);
        putStamp(packet, 40, base + 10000);
        const NtpReply negative(packet, QDateTime::fromMSecsSinceEpoch(base + 10003, Qt::UTC));
        QCOMPARE(negative.localClockOffset(), qint64(-1));
        QVERIFY(NtpReply().isNull());
        const NtpReply copy = reply;
        QCOMPARE(copy.localClockOffset(), qint64(250));
    }

    void requestCarriesTheStationClock()
    {
        const QDateTime now = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC).addMSecs(500);
        const QByteArray request = NtpClient::requestPacket(now);
        QCOMPARE(request.size(), 48);
        QCOMPARE(quint8(request.at(0)), quint8(0x23));
        const quint32 seconds = (quint32(quint8(request[40])) << 24) | (quint32(quint8(request[41])) << 16)
                                | (quint32(quint8(request[42])) << 8) | quint32(quint8(request[43]));
        QCOMPARE(seconds, 1700000000u + 2208988800u);
    }

    void exchangeCorrectsTheClock()
    {
        // A server on loopback that answers one second ahead of the station.
        QUdpSocket server;
        QVERIFY(server.bind(QHostAddress(QHostAddress::LocalHost), 0));
        m_drive.reportRaw(562, 1700000000u);
        m_drive.report(1367, 3600.f);
        m_drive.report(1353, 1.f);
        m_drive.report(1354, 5.f);
        m_drive.report(1355, 127.f);
        m_drive.report(1356, 0.f);
        m_drive.report(1357, 0.f);
        m_drive.report(1358, 1.f);
        QSignalSpy writes(m_drive.store, &Parameters::signalParamWrite);

        NtpClient client(QHostAddress(QHostAddress::LocalHost), 0);
        QSignalSpy replies(&client, &NtpClient::replyReceived);
        QVERIFY(client.sendRequest(QHostAddress::LocalHost, server.localPort()));
        QTRY_VERIFY_WITH_TIMEOUT(server.hasPendingDatagrams(), 5000);
        QByteArray request(68, '\0');
        QHostAddress from;
        quint16 port = 0;
        request.truncate(int(server.readDatagram(request.data(), request.size(), &from, &port)));
        QCOMPARE(request.size(), 48);
        // Station UTC is 562 - 1367; the server is 1 s ahead of it.
        const qint64 stationUtc = (1700000000LL - 3600) * 1000;
        QByteArray answer(48, '\0');
        answer[0] = 0x24;
        answer.replace(24, 8, request.mid(40, 8));
        putStamp(answer, 32, stationUtc + 1000);
        putStamp(answer, 40, stationUtc + 1000);
        server.writeDatagram(QByteArray(20, 'x'), from, port); // too short: dropped
        server.writeDatagram(answer, from, port);
        QTRY_COMPARE_WITH_TIMEOUT(replies.count(), 1, 5000);

        const NtpReply reply = replies.at(0).at(2).value<NtpReply>();
        QCOMPARE(reply.localClockOffset(), qint64(1000));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("NTP client: sync time -"));
        MainApplication::getInstance()->replyReceivedNtp(from, port, reply);
        QCOMPARE(writes.count(), 1);
        QCOMPARE(writes.at(0).at(0).value<quint16>(), quint16(562));
        QCOMPARE(writes.at(0).at(1).value<quint32>(), 1700000001u);
        QCOMPARE(writes.at(0).at(2).toInt(), 2);
    }

    void periodRearmsOnlyWhenUsable()
    {
        MainApplication* app = MainApplication::getInstance();
        m_drive.report(1353, 1.f);
        m_drive.report(1354, 3.f); // a settings change arms 2000 ms
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
