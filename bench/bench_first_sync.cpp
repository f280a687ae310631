// Runs the controller emulator and the program and prints how long the first
// synchronisation takes, from the link's start to the start-up write that
// follows it, against the floor that the work it needs sets at the link's own
// timing. The work: the status request that begins the run; the values,
// minima, maxima and quantity codes of the database's ids, 35 a frame; the
// event reads, one frame in each round of those, as the loop serves its tasks
// in turn; and the frame of the start-up write. The timing: 150 ms before the
// first exchange, 15 ms between one exchange's end and the next one's start,
// and the wire time the emulator simulates for each frame (written at 500 kHz,
// the reply read in 100-byte transfers at 5 MHz, one closing byte). Escaped
// bytes are left out of the wire time, so the floor errs low. The floor does
// not follow the exchanges the emulator served: an exchange more than the work
// needs shows as a worse ratio. Goal: within 1.05 x the floor; a run below the
// floor means the loop does not keep its timer.
#include "log_event.h"
#include "spidriver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const double StartS = 0.150;
const double RearmS = 0.015;
const int BatchIds = SpiDriver::BatchIds;
const int BatchEvents = SpiDriver::BatchEvents;
const int EventSlots = LogEvent::Pages * LogEvent::RecordsPerPage;
// Build date, version and revision.
const int StartUpWrites = 3;

bool readsIds(int cmd)
{
    return cmd == 2 || cmd == 7 || cmd == 8 || cmd == 15;
}

// Wire time of one exchange of the command carrying n records (ids, events,
// writes, change notices or event addresses).
double wire(int cmd, int n)
{
    const int request = 4 + n * (readsIds(cmd) ? 2 : cmd == 6 ? 4 : cmd == 3 ? 7 : 0);
    const int reply = 7 + n * (readsIds(cmd) ? 6 : cmd == 6 ? 21 : cmd == 4 ? 3 : cmd == 5 ? 4 : 0);
    const int chunk = SpiDriver::ReadChunk;
    return (request + 2) * 8.0 / SpiDriver::WriteSpeedHz
           + ((reply + 2 + chunk - 1) / chunk) * chunk * 8.0 / SpiDriver::ReadSpeedHz + 8.0 / SpiDriver::ReadSpeedHz;
}

// Sends one control command and returns its answer, up to the "ok" line.
QByteArray ask(QLocalSocket& control, const QByteArray& command)
{
    control.write(command + "\n");
    QByteArray answer;
    while (!answer.endsWith("ok\n") && !answer.contains("error:") && control.waitForReadyRead(2000))
        answer += control.readAll();
    return answer;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QString bin = QStringLiteral(VRX_BINARY_DIR);
    QTemporaryDir dir;
    const QString link = dir.path() + "/controller.sock";
    QFile::copy(bin + "/vrx_gui", dir.path() + "/vrx_gui");
    QFile::setPermissions(dir.path() + "/vrx_gui", QFileDevice::ReadOwner | QFileDevice::ExeOwner);

    QProcess emulator;
    emulator.setProcessChannelMode(QProcess::MergedChannels);
    emulator.start(bin + "/emulator/controller_emu", {"--socket", link, "--control", dir.path() + "/control.sock",
                                                      "--seed", bin + "/emulator/seed.csv"});
    QByteArray banner;
    while (!banner.contains("parameters") && emulator.waitForReadyRead(5000))
        banner += emulator.readAll();
    const int ids = QRegularExpression("(\\d+) parameters").match(banner).captured(1).toInt();
    QLocalSocket control;
    control.connectToServer(dir.path() + "/control.sock");
    if (ids <= 0 || !control.waitForConnected(2000)) {
        std::printf("first synchronisation: the controller emulator did not start\n%s", banner.constData());
        return 0;
    }

    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VRX_CONTROLLER_SOCKET", link);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    program.setProcessEnvironment(env);
    program.setWorkingDirectory(dir.path());
    program.setProcessChannelMode(QProcess::MergedChannels);
    QElapsedTimer timer;
    timer.start();
    program.start(dir.path() + "/vrx_gui", QStringList());
    qint64 started = -1, synced = -1;
    while (timer.elapsed() < 60000 && synced < 0) {
        program.waitForReadyRead(3);
        if (program.readAll().contains("Process thread is started") && started < 0)
            started = timer.nsecsElapsed();
        if (started >= 0 && ask(control, "writes").contains("1103 "))
            synced = timer.nsecsElapsed();
    }
    const QByteArray stats = ask(control, "stats");
    program.terminate();
    program.waitForFinished(5000);
    ask(control, "quit");
    emulator.waitForFinished(5000);
    if (synced < 0) {
        std::printf("first synchronisation: did not finish within 60 s\n");
        return 0;
    }

    // The frames the work needs, and their wire time.
    const int batches = (ids + BatchIds - 1) / BatchIds;
    const int lastBatch = ids - (batches - 1) * BatchIds;
    const int eventFrames = qMin((EventSlots + BatchEvents - 1) / BatchEvents, batches);
    const int needed = 1 + 4 * batches + eventFrames + 1;
    double wireS = wire(1, 0) + wire(3, StartUpWrites) + eventFrames * wire(6, BatchEvents);
    for (int cmd : {2, 7, 8, 15})
        wireS += (batches - 1) * wire(cmd, BatchIds) + wire(cmd, lastBatch);

    int served = 0;
    for (const QByteArray& line : stats.split('\n'))
        served += line.split(' ').value(1).toInt();
    const double measured = (synced - started) / 1e9;
    const double floor = StartS + (needed - 1) * RearmS + wireS;
    std::printf("first synchronisation: %.3f s from the link's start to the start-up write, %d parameters\n",
                measured, ids);
    std::printf("floor: %.3f s = %.3f s start + %d frames (1 status, 4 x %d of ids, %d of events, 1 write), "
                "%d re-arms of 15 ms and %.3f s on the wire\n",
                floor, StartS, needed, batches, eventFrames, needed - 1, wireS);
    std::printf("exchanges served: %d, %d more than the work needs\n", served, served - needed);
    std::printf("ratio %.3f, goal 1.05%s\n", measured / floor,
                measured < floor ? "  -- BELOW THE FLOOR: the loop does not keep its 15 ms re-arm"
                                 : measured > floor * 1.05 ? "  -- SLOWER THAN THE GOAL" : "");
    std::printf("exchanges by command:\n%s", stats.constData());
    return 0;
}
