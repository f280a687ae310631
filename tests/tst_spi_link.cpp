// The SPI link against a scripted controller and the in-process one: the
// bytes of a request on the wire, the reply scanner among noise and across
// reads, each failure with its own counter and link state, the length byte
// that must hold a whole frame; a first synchronisation that outlasts a
// refusing controller, the event cache filled by the first synchronisation and
// fed by the controller's notices; refused requests that wait their turn while
// the rest of the link goes on: writes and SCADA packets kept in order until
// they go through, a link that carries no write shown down, reads asked again
// only while someone waits for them.
#include "log_capture.h"
#include "log_event.h"
#include "mainapplication.h"
#include "model_link.h"
#include "rawbits.h"
#include "scripted_transport.h"
#include "test_database.h"
#include "wait_for.h"

#include <QSignalSpy>
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

// An event record as the controller keeps it: the record number first,
// little-endian.
QByteArray eventRecord(quint32 number)
{
    QByteArray record(LogEvent::RecordSize, '\0');
    for (int i = 0; i < 4; ++i)
        record[i] = char((number >> (8 * i)) & 0xFF);
    return record;
}

// The in-process controller, noting the command of every request that
// reaches it and when.
class RecordingTransport : public ModelTransport
{
public:
    explicit RecordingTransport(ControllerModel* model)
        : ModelTransport(model)
    {
        m_clock.start();
    }
    int transfer(const quint8* tx, quint8* rx, quint32 length, quint32 speedHz) override
    {
        if (speedHz == SpiDriver::WriteSpeedHz && length > 2) {
            sent << qMakePair(int(tx[1]), m_clock.elapsed()); // commands need no escape
            if (onRequest)
                onRequest(tx[1]);
        }
        return ModelTransport::transfer(tx, rx, length, speedHz);
    }
    // Called with each request's command before the controller takes it.
    std::function<void(int)> onRequest;
    int count(int command) const
    {
        return int(std::count_if(sent.begin(), sent.end(), [command](const QPair<int, qint64>& s) { return s.first == command; }));
    }
    // Between two requests of command: the fewest other requests, and the
    // shortest time.
    QPair<int, qint64> leastBetween(int command) const
    {
        int others = INT_MAX;
        qint64 gap = LLONG_MAX;
        int since = -1;
        qint64 last = 0;
        for (const QPair<int, qint64>& s : sent) {
            if (s.first != command) {
                since += since >= 0;
                continue;
            }
            if (since >= 0) {
                others = qMin(others, since);
                gap = qMin(gap, s.second - last);
            }
            since = 0;
            last = s.second;
        }
        return qMakePair(others, gap);
    }
    // Requests of command sent between the first and the last of another.
    int countDuring(int command, int other) const
    {
        const auto isOther = [other](const QPair<int, qint64>& s) { return s.first == other; };
        const auto first = std::find_if(sent.begin(), sent.end(), isOther);
        const auto last = std::find_if(sent.rbegin(), sent.rend(), isOther).base();
        return first < last ? int(std::count_if(first, last, [command](const QPair<int, qint64>& s) { return s.first == command; }))
                            : 0;
    }
    QList<QPair<int, qint64>> sent; // SPI thread only: the test drives the driver in its own thread

private:
    QElapsedTimer m_clock;
};

// The driver against a controller that clocks out a prepared stream.
struct Scripted : Master
{
    ScriptedTransport& script = static_cast<ScriptedTransport&>(*transport);
    Scripted()
        : Master(new ScriptedTransport)
    {
    }
    // The frame collected from stream in answer to a request of cmd, if any.
    QByteArray exchange(const QByteArray& stream = QByteArray(), quint8 cmd = 1, int timeoutMs = 300)
    {
        script.replyStream = stream;
        return ask(cmd, QByteArray(), timeoutMs);
    }
};

} // namespace

class TestSpiLink : public QObject
{
    Q_OBJECT

private:
    TestDatabase m_db;

private slots:
    void requestsOnTheWire()
    {
        Scripted link;
        link.ask(1, QByteArray(), 10);
        link.ask(2, hex("000d"), 10);
        QCOMPARE(link.script.writes, QList<QByteArray>({hex("7e0104e3017e"), hex("7e0206000d58207e")}));
        quint8 wire[7];
        QCOMPARE(SpiFrame::wrap(link.driver.reply(), 6, wire, 7), -1); // too small: refused, not overrun
    }

    void replyAmongNoiseAndAcrossReads()
    {
        Scripted link;
        QCOMPARE(link.exchange(hex("00ff55aa") + wireReply(1, 0) + hex("0102037e7e")), hex("0107000000b418"));
        // The stale bytes of that stream never make a second reply.
        QVERIFY(link.exchange(hex("0102030405")).isEmpty());
        // Every byte value, flags and escapes included, survives the wire,
        // an escape lying exactly across two 100-byte reads.
        QByteArray payload(256, '\0');
        for (int i = 0; i < 256; ++i)
            payload[i] = char(i + 0x70);
        QByteArray stream = wireReply(2, 0, payload);
        stream.prepend(QByteArray(99 - stream.indexOf(char(SpiFrame::Escape), 1), '\0'));
        QCOMPARE(stream.at(99), char(SpiFrame::Escape));
        QCOMPARE(link.exchange(stream, 2).mid(5, 256), payload);
        QCOMPARE(link.driver.receivePackage(), 1);
        QCOMPARE(link.driver.counter(SpiDriver::Success), quint64(2));
    }

    void failuresCountApart_data()
    {
        QTest::addColumn<QByteArray>("stream");
        QTest::addColumn<int>("counter");
        QTest::addColumn<int>("linkState");
        QTest::addColumn<QString>("warning");
        QByteArray swapped = wireReply(1, 0, hex("0102")); // the CRC is read high byte first
        std::swap(*(swapped.end() - 3), *(swapped.end() - 2));
        QTest::newRow("silence") << QByteArray() << int(SpiDriver::ErrFlag) << 3 << QString();
        // The zeros clocked out after it fill the frame.
        QTest::newRow("no end flag") << hex("7e0101") << int(SpiDriver::ErrFlag) << 3 << "Overflow while wait packet end";
        QTest::newRow("empty frame") << hex("7e7e") << int(SpiDriver::ErrSlave) << 3 << "very short";
        QTest::newRow("crc swapped") << swapped << int(SpiDriver::ErrCrc) << 4 << QString();
        QTest::newRow("error outranks echo") << wireReply(9, 1) << int(SpiDriver::ErrCrcSlave) << 5 << QString();
        QTest::newRow("wrong echo") << wireReply(9, 0) << int(SpiDriver::ErrCrc) << 5 << "not identical";
    }

    void failuresCountApart()
    {
        QFETCH(QByteArray, stream);
        QFETCH(int, counter);
        QFETCH(int, linkState);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        Scripted link;
        link.exchange(stream);
        if (link.driver.counter(SpiDriver::Success) == 1) // a frame was collected
            QCOMPARE(link.driver.receivePackage(), 0);
        QCOMPARE(link.driver.counter(SpiDriver::Counter(counter)), quint64(1));
        QCOMPARE(link.driver.linkState(), quint8(linkState));
    }

    void failedTransfers()
    {
        for (int result : {0, -1}) {
            Scripted link;
            link.script.failResult = result;
            link.script.failTransfer = 1; // the write
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI_NoAnswerReceived"));
            QVERIFY(link.exchange().isEmpty());
            link.script.failTransfer = link.script.transfers + 2; // the first read
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI_NoAnswerReceived"));
            QVERIFY(link.exchange(wireReply(1, 0)).isEmpty());
            QCOMPARE(link.driver.counter(SpiDriver::Lost), quint64(2));
            QCOMPARE(link.driver.counter(SpiDriver::Total), quint64(2));
        }
        // A device that cannot be opened is reported once per run of failures.
        Scripted closed;
        closed.script.openable = false;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPI device not ready"));
        QVERIFY(closed.exchange().isEmpty() && closed.exchange().isEmpty());
        QCOMPARE(closed.driver.counter(SpiDriver::Total), quint64(0));
    }

    void lengthByteHoldsTheWholeFrame()
    {
        // A SCADA packet that would make a frame of 256 bytes is refused; one
        // of 251 bytes goes out with length 255, after the status request
        // that begins every run.
        Scripted link;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SCADA packet of 252 bytes does not fit a frame"));
        link.driver.slotScadaSoftwareWrite(QByteArray(252, 'b'));
        link.driver.slotScadaSoftwareWrite(QByteArray(251, 'a'));
        QCOMPARE(link.driver.scadaPacketCount(), 1);
        link.script.replyStream = wireReply(1, 0);
        link.driver.process();
        QTRY_VERIFY2(link.script.writes.size() >= 2, "the request after the status request");
        QCOMPARE(link.script.writes.first(), hex("7e0104e3017e"));
        QCOMPARE(link.script.writes.at(1).left(3), hex("7e0dff"));
    }

    // Refusals of every command in the middle: the ids of a refused request
    // are asked again later, and every id is read.
    void firstSynchronisationOutlastsRefusals()
    {
        QVERIFY(ModelStation::keepParametersBelow(300));
        ModelStation s;
        const ControllerModel& model = s.link.model;
        QSignalSpy count(&s.parameters, &Parameters::signalSyncCount);
        QSignalSpy end(&s.parameters, &Parameters::signalSyncEnd);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("refused \\(1 in a row\\), asked again later$"));
        s.link.start();
        QVERIFY2(count.wait(5000), "the first values");
        s.link.model.setFault(ControllerModel::Fault::Refuse, 30);
        QVERIFY2(end.wait(15000), "the end of the first synchronisation");
        int mismatches = 0;
        for (quint16 id : s.parameters.ids())
            mismatches += s.parameters.getU32(id) != model.raw(id) || s.parameters.getMin(id) != model.minimum(id)
                          || s.parameters.getMax(id) != model.maximum(id) || s.parameters.getPhysic(id) != model.physic(id);
        QCOMPARE(mismatches, 0);
        QCOMPARE(end.count(), 1);
    }

    // The cache asks for every slot of the controller's event area, page by
    // page, and keeps a record under its record number.
    void eventCacheAsksForEverySlot()
    {
        LogEvent log;
        log.slotNewEvent(eventRecord(7));
        QCOMPARE(log.records().value(7), eventRecord(7));
        QSignalSpy reads(&log, &LogEvent::signalEventRead);
        log.syncAllEvent();
        QVERIFY(log.records().isEmpty());
        QList<quint32> expected;
        for (quint32 page = 0; page < 5; ++page)
            for (quint32 k = 0; k < 195; ++k)
                expected << page * 4096 + k * 21;
        QList<quint32> asked;
        for (const QList<QVariant>& read : reads)
            asked << read.at(0).value<quint32>();
        QCOMPARE(asked, expected);
    }

    // With the cache wired to the link as the program wires it, the first
    // synchronisation reads the 975 slots, ten a request, asked for after the
    // store's values; a new event the controller announces then reaches the
    // cache.
    void firstSynchronisationFillsTheEventCache()
    {
        QVERIFY(ModelStation::keepParametersBelow(300));
        int records = 0;
        LogEvent log;
        ModelStation s; // stopped first
        MainApplication::connectEventCache(s.link.driver, &log);
        connect(s.link.driver, &SpiDriver::signalNewEvent, &log, [&records](QByteArray) { ++records; });
        int asked = 0;
        bool storeFirst = false;
        connect(&log, &LogEvent::signalEventRead, &log, [&](quint32) {
            if (asked++ == 0)
                storeFirst = s.parameters.isSyncRunning();
        });
        s.link.start();
        QVERIFY2(waitFor([&] { return records >= 975; }, 8000), "the 975 records of the first synchronisation");
        QVERIFY2(storeFirst, "the store's synchronisation begun before the cache asks");
        QVERIFY(s.link.model.stats().value(ControllerModel::CmdReadEvents) >= 98); // ten at most a request
        const quint32 address = s.link.model.addEvent(eventRecord(900000));
        QVERIFY2(waitFor([&] { return log.records().contains(900000); }), "the new event in the cache");
        QCOMPARE(log.records().value(900000), s.link.model.eventAt(address));
        QCOMPARE(records, 976); // read once, and no slot twice
    }

    // Thirty-six writes queued before the first step: the first 35 go in
    // one request, refused twice LinkDownAfter times in a row, status
    // requests answered between the tries. No write is lost: all 36 reach
    // the controller in their order once the refusals end. Although every
    // status request is answered, the link shows down at the LinkDownAfter-th
    // refusal of the write frame and up at the frame's first success; one
    // line names the writes that wait.
    void refusedWritesWaitInOrder()
    {
        ControllerModel model;
        model.loadDatabase();
        model.setWireTimeSimulated(false);
        auto* transport = new RecordingTransport(&model);
        Master master(transport);
        SpiDriver& driver = master.driver;
        QStringList ids, expected;
        for (int i = 0; i < 36; ++i) {
            driver.slotParamWrite(quint16(100 + i), bitsFromFloat(float(i)), 1 + i % 3);
            ids << QString::number(100 + i);
            expected << QString("%1 %2 %3").arg(100 + i).arg(bitsFromFloat(float(i))).arg(1 + i % 3);
        }
        // The link's state, and the write requests sent when it changed.
        QList<QPair<bool, int>> link;
        connect(&driver, &SpiDriver::signalConnectCore, &driver, [&](bool up) {
            link << qMakePair(up, transport->count(ControllerModel::CmdWriteValues));
        });
        const int refused = 2 * SpiDriver::LinkDownAfter;
        model.setFault(ControllerModel::Fault::Refuse, refused, ControllerModel::CmdWriteValues);
        LogCapture log;
        driver.process();
        QVERIFY2(waitFor([&] { return model.writes().size() == 36; }, 9000), "every write");
        QStringList written;
        for (const ControllerModel::WriteRecord& w : model.writes())
            written << QString("%1 %2 %3").arg(w.id).arg(w.raw).arg(w.flag);
        QCOMPARE(written, expected);
        QCOMPARE(link, (QList<QPair<bool, int>>{{false, SpiDriver::LinkDownAfter}, {true, refused + 1}}));
        QVERIFY(model.stats().value(ControllerModel::CmdStatus) >= quint64(refused));
        ids.removeLast();
        const QStringList lines = log.lines("command 3 refused (");
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().endsWith("command 3 refused (1 in a row), asked again later; writes waiting: "
                                        + ids.join(", ") + ", 1 more behind them"),
                 qPrintable(lines.first()));
    }

    // A refused reply brings the controller's notices like any other: a
    // change made as the controller refuses a request is asked for next,
    // while refused requests keep the link busy and no status request goes.
    // A long run of refusals is broken by one status request, which the
    // controller answers: the link is never shown down.
    void refusalBringsTheNotices()
    {
        ControllerModel model;
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        model.defineParameter(13, 0);
        auto* transport = new RecordingTransport(&model);
        Master master(transport);
        SpiDriver& driver = master.driver;
        QSignalSpy link(&driver, &SpiDriver::signalConnectCore);
        const int refused = 2 * SpiDriver::LinkDownAfter + 10;
        model.setFault(ControllerModel::Fault::Refuse, refused, ControllerModel::CmdReadArchiveCompressed);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("command 12 refused \\(1 in a row\\), asked again later$"));
        for (int i = 0; i < refused; ++i)
            driver.slotSpiRequestLogCompress(QByteArray(3, '\0') + char(i) + QByteArray(11, '\0'));
        int requests = 0;
        transport->onRequest = [&](int command) {
            if (command == ControllerModel::CmdReadArchiveCompressed && ++requests == 3)
                model.setFloat(13, 42.5f);
        };
        QSignalSpy values(&driver, &SpiDriver::signalParamUpdated);
        driver.process();
        QVERIFY2(waitFor([&] { return model.stats().value(ControllerModel::CmdReadArchiveCompressed) == quint64(refused); }, 5000),
                 "every archive request answered after its refusal");
        // The requests of the first pass, up to the last refused one.
        QList<int> commands;
        for (int i = 0, archives = 0; i < transport->sent.size() && archives < refused; ++i) {
            commands << transport->sent.at(i).first;
            archives += commands.last() == ControllerModel::CmdReadArchiveCompressed;
        }
        int third = -1;
        for (int archives = 0; archives < 3;)
            archives += commands.at(++third) == ControllerModel::CmdReadArchiveCompressed;
        QCOMPARE(commands.mid(third, 4), QList<int>({12, 4, 12, 2}));
        QVERIFY(!values.isEmpty() && values.first().at(0).value<quint16>() == 13);
        // The one that begins the run, and at most one in each run of refusals.
        QVERIFY(commands.count(ControllerModel::CmdStatus) <= 1 + refused / SpiDriver::LinkDownAfter);
        // Every request of the pass but the archive ones is answered: a run
        // of refusals that reaches LinkDownAfter is broken by the status
        // request, although archive requests wait ready all along.
        int run = 0, longest = 0, broken = 0;
        for (int command : qAsConst(commands)) {
            if (command == ControllerModel::CmdReadArchiveCompressed) {
                longest = qMax(longest, ++run);
                continue;
            }
            broken += command == ControllerModel::CmdStatus && run == SpiDriver::LinkDownAfter;
            run = 0;
        }
        QCOMPARE(longest, SpiDriver::LinkDownAfter);
        QVERIFY2(broken > 0, "a status request after LinkDownAfter refusals in a row");
        QCOMPARE(link.count(), 0);
    }

    // A controller that refuses every request, the status request too, is as
    // lost to the program as a silent one: the link goes down after the
    // refusals in a row and comes back with the first good answer.
    void everythingRefusedIsALostLink()
    {
        ControllerModel model;
        model.setWireTimeSimulated(false);
        Master master(new ModelTransport(&model));
        SpiDriver& driver = master.driver;
        QSignalSpy link(&driver, &SpiDriver::signalConnectCore);
        model.setFault(ControllerModel::Fault::Refuse, SpiDriver::LinkDownAfter + 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("SPIDrive: loop -{39}$"));
        driver.process();
        QVERIFY2(waitFor([&] { return link.count() == 2; }, 8000), "the link lost and back");
        QVERIFY(!link.first().first().toBool() && link.last().first().toBool());
    }

    // SCADA packets refused for as long as write frames that take the link
    // down all go out, in their order. A packet counts as waiting, for the
    // SCADA map that waits for it, until the controller has taken it: also
    // while its request is on the wire.
    void refusedScadaPacketsWaitInOrder()
    {
        ControllerModel model;
        model.setWireTimeSimulated(false);
        auto* transport = new RecordingTransport(&model);
        Master master(transport);
        SpiDriver& driver = master.driver;
        QList<int> waiting; // as each request of command 13 goes
        transport->onRequest = [&](int command) {
            if (command == ControllerModel::CmdScadaWrite)
                waiting << driver.scadaPacketCount();
        };
        model.setFault(ControllerModel::Fault::Refuse, 2 * SpiDriver::LinkDownAfter, ControllerModel::CmdScadaWrite);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("command 13 refused \\(1 in a row\\), asked again later$"));
        driver.slotScadaSoftwareWrite("first");
        driver.slotScadaSoftwareWrite("second");
        driver.process();
        QVERIFY2(waitFor([&] { return model.scadaPackets().size() == 2; }, 9000), "both packets");
        QCOMPARE(model.scadaPackets(), QList<QByteArray>({"first", "second"}));
        QCOMPARE(model.received().value(ControllerModel::CmdScadaWrite), quint64(2 * SpiDriver::LinkDownAfter + 2));
        QCOMPARE(waiting.count(2), 2 * SpiDriver::LinkDownAfter + 1);
        QCOMPARE(waiting.last(), 1);
        QCOMPARE(driver.scadaPacketCount(), 0);
    }

    // A read the controller keeps refusing waits its turn: other requests go
    // between its tries, no sooner than the retry interval apart, so a
    // change made on the controller meanwhile arrives within a second. The
    // refusals ask nothing more of the controller: while writes wait, no
    // status request goes (the refusal's reply brought the notices), nor
    // while the link is busy with anything else. The link is never shown
    // down and the refusals make one log line. The read is asked again only
    // while awaited: the memory read until the update ends, a service
    // client's archive request until its time is up.
    void refusedReadLeavesTheLinkFree_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("9, update") << int(ControllerModel::CmdReadMemory);
        QTest::newRow("11, service") << int(ControllerModel::CmdReadArchive);
        QTest::newRow("12, service") << int(ControllerModel::CmdReadArchiveCompressed);
    }

    void refusedReadLeavesTheLinkFree()
    {
        QFETCH(int, command);
        ControllerModel model;
        model.loadDatabase();
        model.setWireTimeSimulated(false);
        model.setClockRunning(false);
        auto* transport = new RecordingTransport(&model);
        Master master(transport);
        SpiDriver& driver = master.driver;
        driver.setArchiveAwait(1500);
        QSignalSpy link(&driver, &SpiDriver::signalConnectCore);
        QSignalSpy values(&driver, &SpiDriver::signalParamUpdated);
        LogCapture log;

        model.setFault(ControllerModel::Fault::Refuse, 100000000, command);
        QByteArray request(15, '\0');
        request[3] = 20;
        request[7] = 30;
        driver.process();
        for (int i = 0; i < 2000; ++i) // busy for a while: the tries go between writes
            driver.slotParamWrite(quint16(100 + i % 100), quint32(i), 1);
        if (command == ControllerModel::CmdReadMemory)
            driver.slotSoftwareRead(0x800000, 3);
        else if (command == ControllerModel::CmdReadArchive)
            driver.slotLogRead(request);
        else
            driver.slotSpiRequestLogCompress(request);
        QVERIFY2(waitFor([&] { return transport->count(command) >= 3; }), "the refused read asked again");

        QElapsedTimer took;
        took.start();
        QVERIFY(model.setFloat(13, 42.5f));
        const auto arrived = [&] {
            return std::any_of(values.begin(), values.end(), [](const QList<QVariant>& v) {
                return v.at(0).value<quint16>() == 13 && v.at(1).value<quint32>() == bitsFromFloat(42.5f);
            });
        };
        QVERIFY2(waitFor(arrived, 1000), "the change of 13 within a second");
        qInfo("change of 13 arrived after %lld ms, %d tries of the refused read so far", took.elapsed(),
              transport->count(command));

        // The end of the wait.
        if (command == ControllerModel::CmdReadMemory) {
            driver.slotSoftwareReadCancel();
        } else {
            QVERIFY2(waitFor([&] { return log.count("dropped, no answer 1500 ms after it was first sent") == 1; }, 3000),
                     "the archive request dropped");
            QCOMPARE(log.count(QString("archive request of command %1 at offset 20 dropped").arg(command)), 1);
        }
        const int tries = transport->count(command);
        QTest::qWait(5 * SpiDriver::RefusedRetryMs);
        QCOMPARE(transport->count(command), tries);

        const QPair<int, qint64> between = transport->leastBetween(command);
        QVERIFY2(between.first >= 1, "another request between two tries");
        QVERIFY2(between.second >= SpiDriver::RefusedRetryMs, "tries no closer than the retry interval");
        QVERIFY2(transport->countDuring(command, ControllerModel::CmdWriteValues) >= 3, "tries while the writes went");
        QCOMPARE(transport->countDuring(ControllerModel::CmdStatus, ControllerModel::CmdWriteValues), 0);
        QCOMPARE(link.count(), 0);
        QCOMPARE(log.count("refused ("), 1);
    }

    // A read refused a few times is asked again until it is answered: the
    // service client or SCADA master still gets its block, asked once more.
    void refusedArchiveReadsAreAskedAgain_data()
    {
        QTest::addColumn<int>("command");
        QTest::newRow("11, service") << int(ControllerModel::CmdReadArchive);
        QTest::newRow("14, SCADA") << int(ControllerModel::CmdReadArchiveCompressedRN);
    }

    void refusedArchiveReadsAreAskedAgain()
    {
        QFETCH(int, command);
        ControllerModel model;
        model.setWireTimeSimulated(false);
        const QByteArray archive = QByteArray("archive block ").repeated(10);
        QVERIFY(model.setArchive(quint8(command), archive));
        Master master(new ModelTransport(&model));
        SpiDriver& driver = master.driver;
        QSignalSpy service(&driver, &SpiDriver::signalLogRead);
        QSignalSpy scada(&driver, &SpiDriver::signalSpiResiveLogCompressRN);
        QSignalSpy& reply = command == ControllerModel::CmdReadArchive ? service : scada;

        QByteArray request(15, '\0');
        request[3] = 20; // offset 20
        request[7] = 30; // 30 bytes
        model.setFault(ControllerModel::Fault::Refuse, 5, command);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QString("command %1 refused \\(1 in a row\\), asked again later$").arg(command)));
        if (command == ControllerModel::CmdReadArchive)
            driver.slotLogRead(request);
        else
            driver.slotSpiRequestLogCompressRN(request);
        driver.process();
        QVERIFY2(waitFor([&] { return reply.count() == 1; }, 8000), "the archive block after the refusals");
        QCOMPARE(reply.first().at(1).toByteArray(), archive.mid(20, 30));
        QCOMPARE(model.stats().value(quint8(command)), quint64(1));
    }
};

QTEST_GUILESS_MAIN(TestSpiLink)
#include "tst_spi_link.moc"
