#include "common.h"
#include "number_text.h"
#include "parameterdef.h"
#include "saturate.h"
#include "units.h"

#include <QDateTime>
#include <cmath>

namespace {

QString dateTimeText(quint32 seconds, quint8 unit)
{
    if (seconds == 0)
        return QString();
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(seconds), Qt::UTC);
    switch (unit) {
    case 1: return moment.toString("yyyy.MM.dd hh:mm:ss");
    case 2: return moment.toString("yy.MM.dd");
    default: return QString::number(seconds);
    }
}

QString twoDigits(quint64 n) { return QString("%1").arg(n, 2, 10, QChar('0')); }

// Durations in the layouts of time units 3..8. The sign is written once in
// front of the first field (the fields themselves are magnitudes).
QString durationText(float value, const QString& mask, quint8 unit, bool pad)
{
    const qint64 n = saturatingRound<qint64>(value);
    const bool negative = n < 0;
    const quint64 a = negative ? static_cast<quint64>(-(n + 1)) + 1u : static_cast<quint64>(n);

    QString timeMask = mask;
    timeMask.replace('.', ':');

    quint64 first = 0;
    QString rest;
    bool restNonZero = false;
    int width = 0;
    switch (unit) {
    case 3:
        first = a / 1000;
        rest = QString(":%1").arg(a % 1000, 3, 10, QChar('0'));
        restNonZero = a % 1000 != 0;
        width = timeMask.indexOf(':');
        break;
    case 4:
        first = a / 60;
        width = timeMask.length();
        break;
    case 5:
        first = a / 60;
        rest = ":" + twoDigits(a % 60);
        restNonZero = a % 60 != 0;
        width = timeMask.indexOf(':');
        break;
    case 6:
        first = a / 3600;
        width = timeMask.length();
        break;
    case 7:
        first = a / 3600;
        rest = ":" + twoDigits((a / 60) % 60);
        restNonZero = (a / 60) % 60 != 0;
        width = timeMask.indexOf(':');
        break;
    default: // 8
        first = a / 3600;
        rest = ":" + twoDigits((a / 60) % 60) + ":" + twoDigits(a % 60);
        restNonZero = a % 3600 != 0;
        width = timeMask.indexOf(':');
        break;
    }
    if (!pad || width < 0)
        width = 0;
    const bool showSign = negative && (first != 0 || restNonZero);
    return (showSign ? "-" : "") + QString("%1").arg(first, width, 10, QChar('0')) + rest;
}

QString fixedText(float value, int decimals)
{
    QString text = numberText(static_cast<double>(value), 'f', decimals);
    // A value that rounds to zero reads "0.0", not "-0.0".
    if (text.startsWith('-')) {
        bool allZero = true;
        for (int i = 1; i < text.size() && allZero; ++i)
            allZero = text.at(i) == '0' || text.at(i) == '.';
        if (allZero)
            text.remove(0, 1);
    }
    return text;
}

} // namespace

int Common::maskDecimals(const QString& mask)
{
    const int dot = mask.lastIndexOf('.');
    return dot < 0 ? 0 : mask.length() - dot - 1;
}

QString Common::getTextValue(unTypeData value, const ParameterDef* def, bool valid, bool pad)
{
    if (!valid || !def)
        return QStringLiteral("---");

    const int quantity = Units::quantity(def->physic.load());
    const quint8 unit = def->unitOut.load();
    if (quantity == 1)
        return dateTimeText(value.u, unit);
    if (quantity == 2 && unit >= 3 && unit <= 8)
        return durationText(value.f, def->mask, unit, pad);
    return fixedText(value.f, maskDecimals(def->mask));
}
