// The controller emulator: the model answering the program's own side of the
// link, its faults, its control language, and the controller_emu program
// through its control socket (socat included) and the socket transport.
#include "control_connection.h"
#include "control_protocol.h"
#include "emulator_server.h"
#include "model_transport.h"
#include "process_station.h"
#include "rawbits.h"
#include "raw_client.h"
#include "socketspitransport.h"
#include "spidriver.h"
#include "wait_for.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <QtTest>
#include <memory>
#include <vector>

namespace {

using M = ControllerModel;

// What the emulator may grow by beyond the unread answers it holds for a
// client: the answer that passed the cap, the lines read at once, the
// allocator's and the sanitizer's own.
const int MemorySlackBytes = 4 * 1024 * 1024;
// AddressSanitizer holds freed memory back in a quarantine: without one, the
// resident size shows what the emulator holds.
const char* const NoQuarantine = "ASAN_OPTIONS=detect_leaks=0:quarantine_size_mb=0";
// An emulator with nothing to do but wait uses no more than a fifth of a
// second's processor time in a second.
const long MaxIdleTicksPerSecond = ::sysconf(_SC_CLK_TCK) / 5;

QByteArray be(quint32 v, int bytes)
{
    QByteArray b;
    for (int i = bytes - 1; i >= 0; --i)
        b.append(char(v >> (8 * i)));
    return b;
}

// A model with a few parameters, its clock and wire time stopped.
struct KnownModel : ControllerModel, Master
{
    KnownModel()
        : Master(new ModelTransport(this))
    {
        defineParameter(13, 0);
        defineParameter(572, 0);
        setWireTimeSimulated(false);
        setClockRunning(false);
    }
    quint8 notice() { return quint8(ask(1).at(3)); }
};

// A descriptor closed when the test leaves, failed or not.
struct Descriptor
{
    const int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Sends all of bytes on a non-blocking socket within 5 s; false when the
// peer stops taking them or is gone.
bool sendAll(int fd, const QByteArray& bytes)
{
    QElapsedTimer timer;
    timer.start();
    for (int sent = 0; sent < bytes.size();) {
        pollfd room = {fd, POLLOUT, 0};
        if (::poll(&room, 1, int(qMax<qint64>(0, 5000 - timer.elapsed()))) != 1)
            return false;
        const ssize_t n = ::send(fd, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0)
            sent += int(n);
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            return false;
    }
    return true;
}

// What a non-blocking socket gives until its end (a reset ends it too) or
// until 5 s have passed; *ended tells which.
QByteArray readToEnd(int fd, bool* ended)
{
    QByteArray got;
    QByteArray part(65536, '\0');
    QElapsedTimer timer;
    timer.start();
    *ended = false;
    pollfd ready = {fd, POLLIN, 0};
    while (::poll(&ready, 1, int(qMax<qint64>(0, 5000 - timer.elapsed()))) == 1) {
        const ssize_t n = ::recv(fd, part.data(), size_t(part.size()), 0);
        if (n > 0) {
            got.append(part.constData(), int(n));
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            *ended = true;
            break;
        }
    }
    return got;
}

// One answer on a non-blocking socket, up to its "ok" or "error:" line,
// within waitMs; what came of it when the time is up.
QByteArray readAnswer(int fd, int waitMs = 5000)
{
    QByteArray got;
    char part[4096];
    QElapsedTimer timer;
    timer.start();
    pollfd ready = {fd, POLLIN, 0};
    while (!got.endsWith("ok\n") && !got.contains("error:")
           && ::poll(&ready, 1, int(qMax<qint64>(0, waitMs - timer.elapsed()))) == 1) {
        const ssize_t n = ::recv(fd, part, sizeof part, 0);
        if (n > 0)
            got.append(part, int(n));
        else if (n == 0 || (errno != EAGAIN && errno != EINTR))
            break;
    }
    return got;
}

// Waits until the emulator's log, gathered into log, holds text.
bool waitForLog(ProcessStation& station, QByteArray& log, const char* text)
{
    return waitFor([&] {
        log += station.emulator().readAll();
        return log.contains(text);
    });
}

// Makes a process's peak resident size (VmHWM) its present one.
bool resetPeak(qint64 pid)
{
    QFile clear(QString("/proc/%1/clear_refs").arg(pid));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

// The processor time a process has used, user and system, in clock ticks.
qint64 cpuTicks(qint64 pid)
{
    QFile stat(QString("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The fields after the program's name, which may hold blanks: state first.
    const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields.at(11).toLongLong() + fields.at(12).toLongLong() : -1;
}

} // namespace

class TestControllerEmulator : public QObject
{
    Q_OBJECT

private slots:
    // The program's link tests read values, limits, codes, changes and
    // events through the model; here what they do not reach.
    void repliesAndTheirBounds()
    {
        KnownModel model;
        QCOMPARE(model.ask(1).toHex(), QByteArray("0107000000b418"));
        QCOMPARE(model.payload(2, be(13, 2) + be(4444, 2)).toHex(), QByteArray("000d00000000115cffffffff"));
        QCOMPARE(model.payload(8, be(13, 2)).toHex(), QByteArray("000d497423f0")); // the default 999999
        QCOMPARE(model.ask(10).left(3).toHex(), QByteArray("0a0701"));
        // At most 255 change records, and no more memory than a frame holds.
        for (int id = 0; id < 300; ++id)
            model.defineParameter(quint16(id), 0);
        for (int id = 0; id < 300; ++id)
            model.setFloat(quint16(id), 2.0f);
        QCOMPARE(model.payload(4).size(), M::MaxRecords * 3);
        QCOMPARE(model.payload(4).size(), (300 - M::MaxRecords) * 3);
        const QByteArray memory = model.payload(9, be(0x1000000, 4) + be(6000, 2));
        QVERIFY(memory.size() < SpiFrame::BufferSize && memory.mid(4, 2) == be(memory.size() - 6, 2));
    }

    // Whatever a fault does to a reply, the notices it carried stay pending.
    void faultsKeepTheNotices()
    {
        KnownModel model;
        const QByteArray write = be(572, 2) + be(5, 4) + '\1';
        model.setFault(M::Fault::Silent);
        QVERIFY(model.ask(3, write).isEmpty());
        model.setFault(M::Fault::Refuse, 2);
        QCOMPARE(model.ask(3, write).at(2), '\1');
        QCOMPARE(model.ask(3, write).at(2), '\1');
        QVERIFY(model.writes().isEmpty());
        model.setFloat(13, 4.0f);
        model.setFault(M::Fault::Corrupt, 1);
        const QByteArray corrupt = model.ask(4);
        QVERIFY(!SpiFrame::checkCrc(reinterpret_cast<const quint8*>(corrupt.constData()), corrupt.size()));
        // Late: a reply not waited for, as after the program's time-out, and
        // the next no sooner than asked.
        model.setFault(M::Fault::Latency, 150);
        QVERIFY(model.ask(4, QByteArray(), 1).isEmpty());
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(model.ask(4, QByteArray(), 5000).mid(5, 3).toHex(), QByteArray("02000d"));
        QVERIFY(timer.elapsed() >= 149); // two clocks started apart may differ by a tick
        model.setFault(M::Fault::None);
        QCOMPARE(model.ask(3, write).at(2), '\0');
        QCOMPARE(model.writes().size(), 1);
        // Every request received is counted, served or not; only those
        // served count as served.
        QCOMPARE(model.received().value(3), quint64(4));
        QCOMPARE(model.stats().value(3), quint64(1));
    }

    // A watched write keeps the counts of its moment: every request that
    // reached the controller up to it, itself included, and none after.
    void watchedWriteKeepsItsMoment()
    {
        KnownModel model;
        ControlProtocol control(&model);
        auto write = [&](quint32 raw) { return model.ask(3, be(572, 2) + be(raw, 4) + '\1').at(2) == 0; };
        QCOMPARE(control.execute("watched"), QStringList{"error: nothing watched"});
        for (const char* bad : {"watch 572", "watch 572 1234567890", "watch 70000 1", "watched 1"})
            QVERIFY2(control.execute(bad).value(0).startsWith("error: "), bad);
        QCOMPARE(control.execute("watch 572 40000000"), QStringList{"ok"});
        QCOMPARE(model.ask(9, be(0x800000, 4) + be(3, 2)).at(2), '\0');
        QVERIFY(write(0x3F800000)); // another value of the id
        QCOMPARE(control.execute("watched"), QStringList{"error: not written yet"});
        QVERIFY(write(0x40000000));
        QCOMPARE(model.ask(9, be(0x800000, 4) + be(3, 2)).at(2), '\0');
        QVERIFY(write(0x40000000)); // only the first write of it counts
        QCOMPARE(control.execute("watched"), (QStringList{"3 2", "9 1", "ok"}));
        QCOMPARE(control.execute("requests"), (QStringList{"3 3", "9 2", "ok"}));
    }

    // The list of writes keeps the newest; once older ones went, "writes"
    // says how many in a line of its own, which no reader takes for a write.
    void writesKeepTheNewest()
    {
        KnownModel model;
        ControlProtocol control(&model);
        const int perFrame = 40;
        int sent = 0;
        auto writeUpTo = [&](int count) {
            while (sent < count) {
                QByteArray frame;
                for (int i = 0; i < perFrame && sent < count; ++i, ++sent)
                    frame += be(13, 2) + be(quint32(sent), 4) + '\3';
                const QByteArray reply = model.ask(3, frame);
                if (reply.size() < 3 || reply.at(2) != 0)
                    return false;
            }
            return true;
        };
        QVERIFY2(writeUpTo(M::MaxWriteRecords), "every write served");
        const auto line = [](int raw) { return QString("13 %1 3").arg(raw, 8, 16, QChar('0')).toUpper(); };
        QStringList answer = control.execute("writes");
        QCOMPARE(answer.size(), M::MaxWriteRecords + 1);
        QCOMPARE(answer.first(), line(0));
        QCOMPARE(answer.at(answer.size() - 2), line(M::MaxWriteRecords - 1));
        QVERIFY2(writeUpTo(M::MaxWriteRecords + 5), "every write served");
        answer = control.execute("writes");
        QCOMPARE(answer.size(), M::MaxWriteRecords + 2);
        QCOMPARE(answer.first(), line(5));
        QCOMPARE(answer.at(answer.size() - 3), line(M::MaxWriteRecords + 4));
        QCOMPARE(answer.at(answer.size() - 2), QString("dropped 5"));
        QCOMPARE(answer.last(), QString("ok"));
        quint64 dropped = 0;
        QCOMPARE(model.writes(&dropped).size(), M::MaxWriteRecords);
        QCOMPARE(dropped, quint64(5));
    }

    // "help" lists the language a line a command, every word the tools
    // outside the project use among them, and every word listed is taken.
    void helpListsTheLanguage()
    {
        KnownModel model;
        ControlProtocol control(&model);
        const QStringList help = control.execute("help");
        QCOMPARE(help.value(help.size() - 1), QString("ok"));
        QStringList listed;
        for (int i = 0; i < help.size() - 1; ++i)
            listed << help.at(i).section(' ', 0, 0);
        QCOMPARE(listed.removeDuplicates(), 0);
        for (const char* word : {"set", "setu", "setraw", "min", "max", "physic", "get", "event", "memory", "image",
                                 "archive", "writes", "stats", "requests", "watch", "watched", "fault", "quit", "help"})
            QVERIFY2(listed.contains(word), word);
        for (const QString& word : listed)
            QVERIFY2(!control.execute(word).value(0).startsWith("error: unknown command"), qPrintable(word));
        QCOMPARE(control.execute("bogus 1"), QStringList{"error: unknown command bogus"});
    }

    // A client may write all its commands, close its sending side and only
    // then read: every line is answered before the connection ends, however
    // many answers wait meanwhile; a script that ends in "quit" too, before
    // the emulator ends.
    void halfClosingClientGetsEveryAnswer_data()
    {
        QTest::addColumn<bool>("quit");
        QTest::newRow("lines") << false;
        QTest::newRow("lines and quit") << true;
    }

    void halfClosingClientGetsEveryAnswer()
    {
        QFETCH(bool, quit);
        ProcessStation emulator;
        QVERIFY2(emulator.startEmulator(), "controller_emu and its control socket");
        const QByteArray answer = emulator.control("get 570");
        QVERIFY(answer.endsWith("\nok\n"));
        const int lines = 30000;
        const Descriptor client{rawLocalClient(emulator.directory() + "/control.sock")};
        QVERIFY2(client.fd >= 0, "a connection to the control socket");
        QElapsedTimer timer;
        timer.start();
        // Far more answers than the socket holds: the emulator must take the
        // lines while their answers wait.
        QVERIFY2(sendAll(client.fd, QByteArray("get 570\n").repeated(lines) + (quit ? "quit\n" : "")),
                 "the emulator taking every line while their answers wait");
        const qint64 sending = timer.elapsed();
        ::shutdown(client.fd, SHUT_WR);
        // Within the wait "quit" gives the clients to take their answers.
        QThread::msleep(1000);
        bool ended = false;
        timer.restart();
        const QByteArray got = readToEnd(client.fd, &ended);
        qInfo("%d lines sent in %lld ms, their answers read in %lld ms", lines, sending, timer.elapsed());
        QVERIFY2(ended, "the emulator ending the connection after the answers");
        QVERIFY2(got == answer.repeated(lines) + (quit ? "ok\n" : ""),
                 qPrintable(QString("%1 answers of %2").arg(got.count("ok\n")).arg(lines + quit)));
        if (quit)
            QVERIFY2(emulator.emulator().waitForFinished(5000), "the emulator ending after the quit");
    }

    // A client that never reads is dropped, with a line in the log, as soon
    // as its unread answers pass the cap, so the emulator holds no more than
    // the cap and an answer for it; another is answered all along.
    void unreadAnswersAreBounded()
    {
        ProcessStation emulator;
        QVERIFY2(emulator.startEmulator(QString(), {NoQuarantine}),
                 "controller_emu and its control socket");
        const int help = emulator.control("help").size();
        QVERIFY(help > 100);
        const qint64 pid = emulator.emulator().processId();
        QVERIFY2(resetPeak(pid), "the emulator's peak resident size reset (/proc/PID/clear_refs)");
        const long before = statusKb(QString::number(pid), "VmHWM");
        const Descriptor client{rawLocalClient(emulator.directory() + "/control.sock")};
        QVERIFY2(client.fd >= 0, "a connection to the control socket");
        // Answers of half the cap, far more than the socket holds: kept.
        const int lines = 200000;
        const int half = ControlConnection::MaxUnreadAnswerBytes / 2 / help + 1;
        QVERIFY2(sendAll(client.fd, QByteArray("help\n").repeated(half)),
                 "the emulator taking lines while their answers wait");
        const QByteArray meanwhile = emulator.control("get 570");
        QVERIFY2(meanwhile.endsWith("\nok\n"), "an answer to another client meanwhile");
        // Then answers of some 250 MB: more than the cap in every read the
        // emulator makes.
        sendAll(client.fd, QByteArray("help\n").repeated(lines - half)); // fails once the client is dropped
        bool ended = false;
        readToEnd(client.fd, &ended);
        QVERIFY2(ended, "the emulator dropping the client that does not read");
        QByteArray log;
        QVERIFY2(waitForLog(emulator, log, "controller_emu: dropped a control client that left more than"),
                 "the log's line on the dropped client");
        const long peak = statusKb(QString::number(pid), "VmHWM");
        const long boundKb = (ControlConnection::MaxUnreadAnswerBytes + MemorySlackBytes) / 1024;
        qInfo("peak resident size %ld kB above the %ld kB before the flood, bound %ld kB", peak - before, before,
              boundKb);
        QVERIFY2(before > 0 && peak - before <= boundKb,
                 qPrintable(QString("the emulator grew by %1 kB for a client that does not read").arg(peak - before)));
        QCOMPARE(emulator.control("get 570"), meanwhile);
        // Nor is a line without an end held without a limit.
        const Descriptor endless{rawLocalClient(emulator.directory() + "/control.sock")};
        QVERIFY2(endless.fd >= 0, "a second connection to the control socket");
        sendAll(endless.fd, "get 570\n" + QByteArray(ControlConnection::MaxLineBytes + 1, 'x'));
        ended = false;
        QCOMPARE(readToEnd(endless.fd, &ended), meanwhile);
        QVERIFY2(ended, "the emulator dropping the client whose line has no end");
        QVERIFY2(waitForLog(emulator, log, "controller_emu: dropped a control client that sent more than"),
                 "the log's line on the endless line");
        QCOMPARE(emulator.control("get 570"), meanwhile);
    }

    // Control clients are capped: the next is told so and closed, and once
    // one leaves another is served.
    void controlClientsAreCapped()
    {
        ProcessStation emulator;
        QVERIFY2(emulator.startEmulator(), "controller_emu and its control socket");
        const QByteArray answer = emulator.control("get 570");
        QVERIFY(answer.endsWith("\nok\n"));
        std::vector<std::unique_ptr<Descriptor>> clients;
        for (int i = 0; i < EmulatorServer::MaxControlClients; ++i) {
            clients.emplace_back(new Descriptor{rawLocalClient(emulator.directory() + "/control.sock")});
            QVERIFY2(sendAll(clients.back()->fd, "get 570\n") && readAnswer(clients.back()->fd) == answer,
                     qPrintable(QString("control client %1 served").arg(i + 1)));
        }
        const Descriptor refused{rawLocalClient(emulator.directory() + "/control.sock")};
        bool ended = false;
        QCOMPARE(readToEnd(refused.fd, &ended), QByteArray("error: too many control clients\n"));
        QVERIFY2(ended, "the client over the cap closed");
        QByteArray log;
        QVERIFY2(waitForLog(emulator, log, "controller_emu: refused a control client"),
                 "the log's line on the refused client");
        clients.pop_back();
        QVERIFY2(waitFor([&] { return emulator.control("get 570") == answer; }), "a client served once one has left");
    }

    // Out of descriptors, the emulator stops accepting for a while rather
    // than try again at once as long as the shortage lasts, and takes the
    // waiting client once one is free.
    void acceptFailuresBackOff()
    {
        const int openFiles = 32;
        ProcessStation emulator;
        QVERIFY2(emulator.startEmulator(QString(), QStringList(), openFiles), "controller_emu and its control socket");
        const QByteArray answer = emulator.control("get 570");
        QVERIFY(answer.endsWith("\nok\n"));
        const qint64 pid = emulator.emulator().processId();
        // Clients, each served, until the emulator has no descriptor left
        // for the next: that one waits in the socket's backlog.
        std::vector<std::unique_ptr<Descriptor>> clients;
        QByteArray log;
        bool full = false;
        while (!full && int(clients.size()) < openFiles) {
            clients.emplace_back(new Descriptor{rawLocalClient(emulator.directory() + "/control.sock")});
            QVERIFY2(sendAll(clients.back()->fd, "get 570\n"), "a client's line taken");
            QByteArray got;
            QVERIFY2(waitFor([&] {
                         got += readAnswer(clients.back()->fd, 0);
                         log += emulator.emulator().readAll();
                         full = log.contains("controller_emu: cannot accept a connection");
                         return got == answer || full;
                     }),
                     qPrintable(QString("control client %1 served, or the log's line on the failed accept: ")
                                    .arg(clients.size()) + log));
        }
        QVERIFY2(full, "the emulator out of descriptors");
        const int waiting = clients.back()->fd;
        const qint64 ticks = cpuTicks(pid);
        QThread::msleep(1000);
        const qint64 spent = cpuTicks(pid) - ticks;
        qInfo("%lld clock ticks of processor time in 1 s without descriptors", spent);
        QVERIFY2(ticks >= 0 && spent <= MaxIdleTicksPerSecond,
                 qPrintable(QString("the emulator busy for %1 ticks in 1 s while it cannot accept").arg(spent)));
        // A served client leaves: the waiting one is taken.
        clients.erase(clients.begin());
        QCOMPARE(readAnswer(waiting), answer);
    }

    void emulatorProcess()
    {
        ProcessStation emulator;
        QVERIFY2(emulator.startEmulator(), "controller_emu and its control socket");
        QCOMPARE(emulator.control("get 578"), QByteArray("578 3F800000\nok\n")); // from the seed
        // A client that closes its sending side still gets every answer, as
        // with the README's socat.
        QProcess socat;
        socat.start("socat", {"-", "UNIX-CONNECT:" + emulator.directory() + "/control.sock"});
        QVERIFY2(socat.waitForStarted(5000), "socat (installed by scripts/deps.sh)");
        socat.write("set 13 3\nget 13\n");
        socat.closeWriteChannel();
        QVERIFY2(socat.waitForFinished(5000), "socat ending");
        QCOMPARE(socat.readAllStandardOutput(), QByteArray("ok\n13 40400000\nok\n"));
        auto* transport = new SocketSpiTransport(emulator.linkSocket());
        Master first(transport);
        QCOMPARE(first.ask(1).size(), 7);
        QCOMPARE(emulator.control("stats"), QByteArray("1 1\nok\n"));
        QCOMPARE(emulator.control("requests"), QByteArray("1 1\nok\n"));
        // Every address octet the screens edit (address, mask, gateway, NTP
        // server) has a controller's limits, 0 and 255, from the seed.
        QByteArray octets, minima, maxima;
        for (int row : {864, 868, 2052, 1355}) {
            for (int id = row; id < row + 4; ++id) {
                octets += be(id, 2);
                minima += be(id, 2) + be(bitsFromFloat(0.0f), 4);
                maxima += be(id, 2) + be(bitsFromFloat(255.0f), 4);
            }
        }
        QCOMPARE(first.payload(7, octets).toHex(), minima.toHex());
        QCOMPARE(first.payload(8, octets).toHex(), maxima.toHex());
        // Faults by name; what the program's tests do not reach of the language.
        for (const char* fault : {"fault corrupt 3", "fault latency 20", "fault refuse 30", "fault none", "min 13 -5.5",
                                  "max 13 99", "physic 13 9", "setraw 13 deadBEEF"})
            QVERIFY2(emulator.control(fault) == "ok\n", fault);
        for (const char* bad : {"set 4444 1", "set 13 abc", "get", "event 0102", "fault refuse -1", "fault refuse 1 256", "fault corrupt 1 2", "archive 10 /x", "bogus"})
            QVERIFY2(emulator.control(bad).startsWith("error: "), bad);
        // Only the link's own commands can be refused: there is no command 10.
        for (int code : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 255}) {
            const bool linkCode = code >= 1 && code <= 15 && code != 10;
            QCOMPARE(emulator.control("fault refuse 1 " + QByteArray::number(code)),
                     QByteArray(linkCode ? "ok\n" : "error: bad command\n"));
        }
        QCOMPARE(emulator.control("fault none"), QByteArray("ok\n"));
        QVERIFY(emulator.control("fault refuse 1") == "ok\n" && first.ask(1).at(2) == 1 && first.ask(1).at(2) == 0);
        QCOMPARE(emulator.control("stats").left(4) + emulator.control("requests").left(4), QByteArray("1 2\n1 3\n"));
        // Refusals of one command leave the others served.
        QVERIFY(emulator.control("fault refuse 1 4") == "ok\n" && first.ask(1).at(2) == 0 && first.ask(4).at(2) == 1
                && first.ask(4).at(2) == 0);
        // One program at a time: the next is served once the first goes.
        auto* other = new SocketSpiTransport(emulator.linkSocket());
        Master next(other);
        QVERIFY(other->open());
        transport->close();
        QCOMPARE(next.ask(1).size(), 7);
        QCOMPARE(emulator.control("quit"), QByteArray("ok\n"));
        // A normal exit that removed both socket files.
        QVERIFY(emulator.emulator().waitForFinished(5000) && emulator.emulator().exitStatus() == QProcess::NormalExit);
        QVERIFY(emulator.emulator().exitCode() == 0 && !QFile::exists(emulator.directory() + "/control.sock")
                && !QFile::exists(emulator.linkSocket()));
        QVERIFY(next.ask(1).isEmpty() && !other->isOpen() && !other->open());
    }
};

QTEST_GUILESS_MAIN(TestControllerEmulator)
#include "tst_controller_emulator.moc"
