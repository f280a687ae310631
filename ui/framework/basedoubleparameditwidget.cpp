#include "basedoubleparameditwidget.h"

#include "lineedit.h"
#include "parameterdef.h"
#include "parameters.h"

namespace {

// A part of the entry as a 32-bit word: digits beyond it stick to the top.
quint32 partValue(const QString& digits)
{
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, 10);
    return ok ? static_cast<quint32>(qMin<qulonglong>(value, 0xFFFFFFFFull)) : 0u;
}

} // namespace

BaseDoubleParamEditWidget::BaseDoubleParamEditWidget(unsigned short idLow, unsigned short idHigh, int index,
                                                     QWidget* parent)
    : BaseMultiParamEditWidget(QVector<quint16>{idLow, idHigh}, index, parent)
{
    lineEdit()->setClear(false);
}

int BaseDoubleParamEditWidget::highDigits(int formatLength)
{
    return qMax(0, formatLength - LowDigits);
}

void BaseDoubleParamEditWidget::showValue(Parameters& parameters)
{
    const ParameterDef* low = definition(0);
    if (!low)
        return;
    lineEdit()->init(low);
    // The mask takes digits only; a range of the low part would refuse the
    // digits of the high one.
    lineEdit()->setValidator(nullptr);
    lineEdit()->setInputMask(QStringLiteral("%1;0").arg(low->mask));

    const int length = low->mask.length();
    const int high = highDigits(length);
    // A part in its own places, so that a wider value never shifts the
    // other; one never reported shows the mask's fill.
    const auto placed = [&parameters](quint16 id, int places) {
        const quint32 value = parameters.getValidity(id) ? parameters.getU32(id) : 0u;
        return QStringLiteral("%1").arg(value, places, 10, QLatin1Char('0')).right(places);
    };
    if (high > 0)
        lineEdit()->setText(placed(ids().at(1), high) + placed(ids().at(0), LowDigits));
    else
        lineEdit()->setText(placed(ids().at(0), length)); // no high part: the low part fills the field
}

bool BaseDoubleParamEditWidget::partEntry(int part, const QString& digits, int from, quint32* value) const
{
    // The part is written as the field shows it, typed or not; one never
    // reported shows the mask's fill, no value, until it is typed.
    if (!lineEdit()->isTypedWithin(from, from + digits.length()) && !isReceived(part))
        return false;
    *value = partValue(digits);
    return true;
}

bool BaseDoubleParamEditWidget::commitEntry(const QString& text)
{
    const ParameterDef* low = definition(0);
    const int high = highDigits(low ? low->mask.length() : 0);
    quint32 lowValue = 0;
    if (high <= 0) {
        if (!partEntry(0, text, 0, &lowValue))
            return false;
        emit signalParamWrite(ids().at(0), lowValue);
        return true;
    }
    quint32 highValue = 0;
    if (!partEntry(0, text.right(LowDigits), high, &lowValue) || !partEntry(1, text.left(high), 0, &highValue))
        return false;
    emit signalParamWrite(ids().at(0), lowValue);
    emit signalParamWrite(ids().at(1), highValue);
    return true;
}
