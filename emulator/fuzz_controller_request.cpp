// libFuzzer target: the controller emulator's request parser. The input is
// clocked in twice: once as raw wire bytes (framing, escaping, CRC check), and
// once as a frame body given a valid CRC, so the command handlers see it.
#include "controller_model.h"
#include "spiframe.h"

#include <QByteArray>
#include <vector>

namespace {

// A fresh controller per input, so nothing recorded piles up between runs.
void prepare(ControllerModel& m)
{
    m.setWireTimeSimulated(false);
    m.setClockRunning(false);
    for (quint16 id : {13, 562, 570, 578, 600, 1000, 10001, 20053})
        m.defineParameter(id, id == 562 ? 1 : 0);
    m.setFloat(13, 1.0f);
    m.addEvent(QByteArray(21, 'e'));
    m.setArchive(11, QByteArray(6000, 'a'));
    m.setArchive(12, QByteArray(10, 'b'));
    m.loadImage(QByteArray(5000, 'c'));
}

void clock(ControllerModel& m, const quint8* tx, int n)
{
    std::vector<quint8> rx(static_cast<size_t>(n) + 1);
    m.transfer(tx, rx.data(), static_cast<quint32>(n), 500000);
    quint8 zeros[100] = {};
    quint8 in[100];
    SpiFrame::Scanner scanner;
    for (int i = 0; i < 120 && scanner.state() != SpiFrame::Scanner::Complete; ++i) {
        m.transfer(zeros, in, sizeof zeros, 5000000);
        scanner.feed(in, sizeof in);
    }
    m.transfer(zeros, in, 1, 5000000);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const quint8* data, size_t size)
{
    if (size > 8192)
        return 0;
    ControllerModel m;
    prepare(m);
    clock(m, data, static_cast<int>(size));

    if (size >= 1 && size <= static_cast<size_t>(SpiFrame::BufferSize) - 2) {
        std::vector<quint8> frame(data, data + size);
        frame.resize(size + 2);
        SpiFrame::setCrc(frame.data(), static_cast<int>(frame.size()));
        std::vector<quint8> wire(2 * frame.size() + 2);
        const int n = SpiFrame::wrap(frame.data(), static_cast<int>(frame.size()), wire.data(),
                                     static_cast<int>(wire.size()));
        if (n > 0)
            clock(m, wire.data(), n);
    }
    return 0;
}
