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
    QString text;
    if (high > 0) {
        text = QStringLiteral("%1").arg(parameters.getU32(ids().at(1)), high, 10, QLatin1Char('0'))
               + QStringLiteral("%1").arg(parameters.getU32(ids().at(0)), LowDigits, 10, QLatin1Char('0'));
    } else {
        // No high part: the low part fills the field.
        text = QStringLiteral("%1").arg(parameters.getU32(ids().at(0)), length, 10, QLatin1Char('0'));
    }
    lineEdit()->setText(text);
}

bool BaseDoubleParamEditWidget::commitEntry(const QString& text)
{
    const ParameterDef* low = definition(0);
    const int high = highDigits(low ? low->mask.length() : 0);
    if (high <= 0) {
        emit signalParamWrite(ids().at(0), partValue(text));
        return true;
    }
    emit signalParamWrite(ids().at(0), partValue(text.right(LowDigits)));
    emit signalParamWrite(ids().at(1), partValue(text.left(high)));
    return true;
}
