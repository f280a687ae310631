#ifndef PARAM_WRITES_H
#define PARAM_WRITES_H

#include <QList>
#include <QPair>
#include <QSignalSpy>

// The (id, raw value) pairs a spy on Parameters::signalParamWrite saw, in order.
using Writes = QList<QPair<quint16, quint32>>;

inline Writes writesOf(const QSignalSpy& spy)
{
    Writes writes;
    for (const QList<QVariant>& args : spy)
        writes.append(qMakePair(args.at(0).value<quint16>(), args.at(1).value<quint32>()));
    return writes;
}

#endif // PARAM_WRITES_H
