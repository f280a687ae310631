// The frame layer of the SPI link: the bytes of a request on the wire, the
// reply scanner among noise and across reads, each failure with its own
// counter and link state, and the length byte that must hold a whole frame.
#include "scripted_transport.h"
#include "spidriver.h"
#include "spiframe.h"

#include <QtTest>

namespace {

QByteArray hex(const char* text)
{
    return QByteArray::fromHex(text);
}

// A reply frame as the controller sends it, wrapped for the wire.
QByteArray wireReply(quint8 cmd, quint8 status, const QByteArray& payload = QByteArray())
{
    QByteArray frame = QByteArray(1, char(cmd)) + char(payload.size() + 7) + char(status) + QByteArray(2, '\0');
    frame += payload + QByteArray(2, '\0');
    SpiFrame::setCrc(reinterpret_cast<quint8*>(frame.data()), frame.size());
    QByteArray wire(frame.size() * 2 + 2, '\0');
    wire.truncate(SpiFrame::wrap(reinterpret_cast<const quint8*>(frame.constData()), frame.size(),
                                 reinterpret_cast<quint8*>(wire.data()), wire.size()));
    return wire;
}

struct Link
{
    SpiDriver driver{nullptr, false};
    ScriptedTransport* transport = new ScriptedTransport;
    quint8 request[64] = {};
    Link() { driver.setTransport(std::unique_ptr<SpiTransport>(transport)); }
    // One exchange of a request of cmd without payload, the controller clocking out stream.
    int exchange(const QByteArray& stream = QByteArray(), quint8 cmd = 1, int timeoutMs = 60)
    {
        transport->replyStream = stream;
        driver.setCurrentCommand(cmd);
        driver.preparePackage(request, 4);
        return driver.sendPackage(timeoutMs);
    }
};

} // namespace

class TestSpiFrame : public QObject
{
    Q_OBJECT

private slots:
    void requestsOnTheWireAndEscaping()
    {
        Link link;
        link.exchange();
        QCOMPARE(link.transport->writes.last(), hex("7e0104e3017e"));
        link.driver.setCurrentCommand(2);
        link.request[2] = 0x00;
        link.request[3] = 0x0D;
        link.driver.preparePackage(link.request, 6);
        link.driver.sendPackage(10);
        QCOMPARE(link.transport->writes.last(), hex("7e0206000d58207e"));

        // Every byte value, flags and escapes included, survives the wire, fed
        // in 100-byte reads so that escapes straddle them.
        QByteArray frame(258, '\0');
        for (int i = 0; i < 256; ++i)
            frame[i] = char(i);
        auto* f = reinterpret_cast<quint8*>(frame.data());
        SpiFrame::setCrc(f, frame.size());
        quint8 wire[1024];
        const int n = SpiFrame::wrap(f, frame.size(), wire, sizeof wire);
        QVERIFY(!QByteArray(reinterpret_cast<const char*>(wire + 1), n - 2).contains(char(SpiFrame::Flag)));
        SpiFrame::Scanner scanner;
        for (int off = 0; off < n; off += 100)
            scanner.feed(wire + off, qMin(100, n - off));
        QCOMPARE(scanner.state(), SpiFrame::Scanner::Complete);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(scanner.frame()), scanner.length()), frame);
        QCOMPARE(SpiFrame::wrap(f, frame.size(), wire, 10), -1); // refused, not overrun
    }

    void replyAmongNoiseAndAcrossReads()
    {
        Link link;
        QCOMPARE(link.exchange(hex("00ff55aa") + wireReply(1, 0) + hex("0102037e7e")), 1);
        QCOMPARE(link.driver.receivePackage(), 1);
        // The stale bytes of that stream never make a second reply.
        QCOMPARE(link.exchange(hex("0102030405")), 0);
        QCOMPARE(link.driver.counter(SpiDriver::Success), quint64(1));

        // An escaped byte exactly across the 100-byte read boundary.
        QByteArray payload(120, 'x');
        payload[20] = char(0x7D);
        QByteArray stream = wireReply(2, 0, payload);
        stream.prepend(QByteArray(99 - stream.indexOf(char(SpiFrame::Escape), 1), '\0'));
        QCOMPARE(stream.at(99), char(SpiFrame::Escape));
        QCOMPARE(link.exchange(stream, 2), 1);
        QCOMPARE(link.driver.receivePackage(), 1);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(link.driver.reply() + 5), payload.size()), payload);
    }

    void failuresCountApart_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<bool>("collected");
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("linkState");
        QTest::addColumn<QString>("warning");
        QByteArray swapped = wireReply(1, 0, hex("0102")); // the CRC is read high byte first
        const char high = swapped.at(swapped.size() - 3);
        swapped[swapped.size() - 3] = swapped.at(swapped.size() - 2);
        swapped[swapped.size() - 2] = high;
        QTest::newRow("silence") << QByteArray() << false << int(SpiDriver::ErrFlag) << 3 << QString();
        // The zeros clocked out after it fill the frame.
        QTest::newRow("no end flag") << hex("7e0101") << false << int(SpiDriver::ErrFlag) << 3
                                     << "Overflow while wait packet end";
        QTest::newRow("empty frame") << hex("7e7e") << true << int(SpiDriver::ErrSlave) << 3 << "very short";
        QTest::newRow("crc swapped") << swapped << true << int(SpiDriver::ErrCrc) << 4 << QString();
        QTest::newRow("error outranks echo") << wireReply(9, 1) << true << int(SpiDriver::ErrCrcSlave) << 5 << QString();
        QTest::newRow("wrong echo") << wireReply(9, 0) << true << int(SpiDriver::ErrCrc) << 5 << "not identical";
    }

    void failuresCountApart()
    {
        QFETCH(QByteArray, stream);
        QFETCH(bool, collected);
        QFETCH(int, counter);
        QFETCH(int, linkState);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        Link link;
        QCOMPARE(link.exchange(stream, 1, 300), int(collected));
        if (collected)
            QCOMPARE(link.driver.receivePackage(), 0);
        QCOMPARE(link.driver.counter(SpiDriver::Counter(counter)), quint64(1));
        QCOMPARE(link.driver.linkState(), quint8(linkState));
    }

    void failedTransfers()
    {
        for (int result : {0, -1}) {
            Link link;
            link.transport->failResult = result;
            link.transport->failTransfer = 1; // the write
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI_NoAnswerReceived"));
            QCOMPARE(link.exchange(), 0);
            link.transport->failTransfer = link.transport->transfers + 2; // the first read
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI_NoAnswerReceived"));
            QCOMPARE(link.exchange(wireReply(1, 0)), 0);
            QCOMPARE(link.driver.counter(SpiDriver::Lost), quint64(2));
            QCOMPARE(link.driver.counter(SpiDriver::Total), quint64(2));
        }
        // A device that cannot be opened is reported once per run of failures.
        Link closed;
        closed.transport->openable = false;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI device not ready"));
        QCOMPARE(closed.exchange(), 0);
        QCOMPARE(closed.exchange(), 0);
        QCOMPARE(closed.driver.counter(SpiDriver::Total), quint64(0));
    }

    void lengthByteHoldsTheWholeFrame()
    {
        // A SCADA packet that would make a frame of 256 bytes is refused; one
        // of 251 bytes goes out with length 255.
        Link link;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SCADA packet of 252 bytes does not fit a frame"));
        link.driver.slotScadaSoftwareWrite(QByteArray(252, 'b'));
        link.driver.slotScadaSoftwareWrite(QByteArray(251, 'a'));
        QCOMPARE(link.driver.scadaPacketCount(), 1);
        link.driver.process();
        QTRY_VERIFY2(!link.transport->writes.isEmpty(), "the first request");
        QCOMPARE(link.transport->writes.first().left(3), hex("7e0dff"));
    }
};

QTEST_GUILESS_MAIN(TestSpiFrame)
#include "tst_spi_frame.moc"
