// The frame layer of the SPI link: framing, escaping, the reply scanner and
// the validation order, each failure moving its own counter.
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
QByteArray wireReply(quint8 cmd, quint8 status, quint8 notice, const QByteArray& payload)
{
    QByteArray frame;
    frame.append(char(cmd)).append(char(payload.size() + 7)).append(char(status)).append(char(notice)).append('\0');
    frame.append(payload);
    frame.append(2, '\0');
    auto* f = reinterpret_cast<quint8*>(frame.data());
    SpiFrame::setCrc(f, frame.size());
    QByteArray wire(frame.size() * 2 + 2, '\0');
    const int n = SpiFrame::wrap(f, frame.size(), reinterpret_cast<quint8*>(wire.data()), wire.size());
    wire.truncate(n);
    return wire;
}

struct Link
{
    SpiDriver driver{nullptr, false};
    ScriptedTransport* transport = new ScriptedTransport;
    quint8 request[64] = {};
    Link() { driver.setTransport(std::unique_ptr<SpiTransport>(transport)); }

    // One exchange of a status request (or cmd with no payload); returns sendPackage's result.
    int exchange(quint8 cmd = 1, int timeoutMs = 60)
    {
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
    void goldenRequests()
    {
        Link link;
        QVERIFY(link.exchange(1) == 0); // nothing answers
        QCOMPARE(link.transport->writes.first(), hex("7e0104e3017e"));

        link.driver.setCurrentCommand(2);
        link.request[2] = 0x00;
        link.request[3] = 0x0D;
        link.driver.preparePackage(link.request, 6);
        link.driver.sendPackage(10);
        QCOMPARE(link.transport->writes.last(), hex("7e0206000d58207e"));
    }

    void escapingRoundTrip()
    {
        // Every byte value, flags and escapes included, survives the wire.
        QByteArray frame;
        for (int i = 0; i < 256; ++i)
            frame.append(char(i));
        frame.append(2, '\0');
        auto* f = reinterpret_cast<quint8*>(frame.data());
        SpiFrame::setCrc(f, frame.size());
        quint8 wire[1024];
        const int n = SpiFrame::wrap(f, frame.size(), wire, sizeof wire);
        QVERIFY(n > frame.size() + 2);
        for (int i = 1; i < n - 1; ++i)
            QVERIFY(wire[i] != SpiFrame::Flag);
        SpiFrame::Scanner scanner;
        // Feed in 100-byte pieces so escapes straddle the boundaries.
        for (int off = 0; off < n; off += 100)
            scanner.feed(wire + off, qMin(100, n - off));
        QCOMPARE(scanner.state(), SpiFrame::Scanner::Complete);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(scanner.frame()), scanner.length()), frame);
        QVERIFY(SpiFrame::checkCrc(scanner.frame(), scanner.length()));
        // A buffer too small is refused, not overrun.
        QCOMPARE(SpiFrame::wrap(f, frame.size(), wire, 10), -1);
    }

    void replyAmongNoise()
    {
        Link link;
        const QByteArray reply = wireReply(1, 0, 0, QByteArray());
        link.transport->replyStream = hex("00ff55aa") + reply + hex("0102037e7e");
        QCOMPARE(link.exchange(), 1);
        QCOMPARE(link.driver.receivePackage(), 1);
        QCOMPARE(link.driver.counter(SpiDriver::Success), quint64(1));
        QCOMPARE(link.driver.counter(SpiDriver::Total), quint64(1));
        // The stale bytes left in the stream never make a second reply: the
        // next exchange starts from an empty buffer and sees only noise.
        link.transport->replyStream = hex("0102030405");
        QCOMPARE(link.exchange(1, 30), 0);
        QCOMPARE(link.driver.counter(SpiDriver::ErrFlag), quint64(1));
    }

    void replySplitAcrossReads()
    {
        // Put an escaped byte exactly across the 100-byte read boundary.
        QByteArray payload(120, 'x');
        payload[20] = char(0x7D);
        QByteArray stream = wireReply(2, 0, 0, payload);
        const int esc = stream.indexOf(char(SpiFrame::Escape), 1);
        stream.prepend(QByteArray(99 - esc, '\0'));
        Link link;
        QCOMPARE(stream.at(99), char(SpiFrame::Escape));
        link.transport->replyStream = stream;
        QCOMPARE(link.exchange(2), 1);
        QVERIFY(link.transport->transfers >= 4); // write, two reads, closing byte
        QCOMPARE(link.driver.receivePackage(), 1);
        QCOMPARE(int(link.driver.replyLength()), payload.size() + 7);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(link.driver.reply() + 5), payload.size()), payload);
    }

    void flagFailures()
    {
        Link link;
        // Nothing at all: no begin flag within the time-out.
        QCOMPARE(link.exchange(1, 30), 0);
        // A start flag and then silence: no end flag.
        link.transport->replyStream = hex("7e0101");
        QCOMPARE(link.exchange(1, 30), 0);
        QCOMPARE(link.driver.counter(SpiDriver::ErrFlag), quint64(2));
        QCOMPARE(link.driver.linkState(), quint8(3));
        // An empty frame completes the exchange but is too short.
        link.transport->replyStream = hex("7e7e");
        QCOMPARE(link.exchange(), 1);
        QCOMPARE(link.driver.receivePackage(), 0);
        QCOMPARE(link.driver.counter(SpiDriver::ErrSlave), quint64(1));
        // A frame that never ends outgrows the buffer.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Overflow while wait packet end"));
        link.transport->replyStream = hex("7e") + QByteArray(5000, 'a');
        QCOMPARE(link.exchange(1, 2000), 0);
        QCOMPARE(link.driver.counter(SpiDriver::ErrFlag), quint64(3));
    }

    void validationOrder()
    {
        Link link;
        // Wrong CRC (read high byte first): swap the CRC bytes of a good reply.
        QByteArray bad = wireReply(1, 0, 0, hex("0102"));
        const char high = bad.at(bad.size() - 3);
        bad[bad.size() - 3] = bad.at(bad.size() - 2);
        bad[bad.size() - 2] = high;
        link.transport->replyStream = bad;
        QCOMPARE(link.exchange(), 1);
        QCOMPARE(link.driver.receivePackage(), 0);
        QCOMPARE(link.driver.counter(SpiDriver::ErrCrc), quint64(1));
        QCOMPARE(link.driver.linkState(), quint8(4));
        // Controller error outranks a wrong echo.
        link.transport->replyStream = wireReply(9, 1, 0, QByteArray());
        QCOMPARE(link.exchange(), 1);
        QCOMPARE(link.driver.receivePackage(), 0);
        QCOMPARE(link.driver.counter(SpiDriver::ErrCrcSlave), quint64(1));
        QCOMPARE(link.driver.linkState(), quint8(5));
        // Wrong echo counts with the CRC errors.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not identical"));
        link.transport->replyStream = wireReply(9, 0, 0, QByteArray());
        QCOMPARE(link.exchange(), 1);
        QCOMPARE(link.driver.receivePackage(), 0);
        QCOMPARE(link.driver.counter(SpiDriver::ErrCrc), quint64(2));
    }

    void failedTransfers()
    {
        for (int result : {0, -1}) {
            Link link;
            link.transport->failTransfer = 1; // the write
            link.transport->failResult = result;
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI_NoAnswerReceived"));
            QCOMPARE(link.exchange(), 0);
            QCOMPARE(link.driver.counter(SpiDriver::Lost), quint64(1));
            link.transport->failTransfer = link.transport->transfers + 2; // the first read
            link.transport->replyStream = wireReply(1, 0, 0, QByteArray());
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI_NoAnswerReceived"));
            QCOMPARE(link.exchange(), 0);
            QCOMPARE(link.driver.counter(SpiDriver::Lost), quint64(2));
            QCOMPARE(link.driver.counter(SpiDriver::Total), quint64(2));
        }
        // A device that cannot be opened is reported once per run of failures.
        Link closed;
        closed.transport->m_openable = false;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI device not ready"));
        QCOMPARE(closed.exchange(), 0);
        QCOMPARE(closed.exchange(), 0);
        QCOMPARE(closed.driver.counter(SpiDriver::Total), quint64(0));
    }
};

QTEST_GUILESS_MAIN(TestSpiFrame)
#include "tst_spi_frame.moc"
