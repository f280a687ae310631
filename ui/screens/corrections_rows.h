#ifndef CORRECTIONS_ROWS_H
#define CORRECTIONS_ROWS_H

#include <QtGlobal>

class BaseForm;

// The rows of a correction screen: the three correction coefficients of the
// phases of one measurement and the three values they correct, one triple
// entered and the other watched as the correction mode (2085) says; the
// voltage screens in phase or line voltages (1178); with the model of
// operation shown (1518), the model's values of the same quantity.
struct CorrectionsRows
{
    quint16 coefficients[3];
    quint16 measured[3];
    // The line variant: measured line voltages and the labels the coefficient
    // rows carry in it; zeros and null labels for a screen of one variant.
    quint16 measuredLine[3];
    const char* lineLabels[3];
    // The model's values in each variant; zeros when there are none.
    quint16 model[3];
    quint16 modelLine[3];

    static const CorrectionsRows CurrentIn;
    static const CorrectionsRows VoltageIn;
    static const CorrectionsRows CurrentOut;
    static const CorrectionsRows VoltageOut;
    static const CorrectionsRows CurrentTrans;
    static const CorrectionsRows VoltageTrans;
    static const CorrectionsRows CurrentMotor;
    static const CorrectionsRows VoltageMotor;

    // Reads 1178, 2085 and 1518 now and adds the rows to form.
    void build(BaseForm* form) const;
};

#endif // CORRECTIONS_ROWS_H
