#ifndef BASEDOUBLEPARAMEDITWIDGET_H
#define BASEDOUBLEPARAMEDITWIDGET_H

#include "basemultiparameditwidget.h"

// A long decimal number over two parameters: the low 9 digits in one, the
// digits above them in the other, as many as the low part's format text has
// beyond 9. Each part keeps its own places in the field and is written as the
// field shows it; a part the controller never reported only when the operator
// typed it.
class BaseDoubleParamEditWidget : public BaseMultiParamEditWidget
{
    Q_OBJECT
public:
    BaseDoubleParamEditWidget(unsigned short idLow, unsigned short idHigh, int index, QWidget* parent = nullptr);

    // Digits of the low part.
    static constexpr int LowDigits = 9;
    // Digits of the high part for a format length; 0 when the number fits
    // the low part alone.
    static int highDigits(int formatLength);

protected:
    void showValue(Parameters& parameters) override;
    bool commitEntry(const QString& text) override;

private:
    // A part's value for the end: the digits its places show; false for a
    // part never reported and not typed.
    bool partEntry(int part, const QString& digits, int from, quint32* value) const;
};

#endif // BASEDOUBLEPARAMEDITWIDGET_H
