#ifndef NUMBER_TEXT_H
#define NUMBER_TEXT_H

#include <QLocale>
#include <QString>

// The text of a number the program gives a peer, the screen or the log. It
// reads the same on every Qt 5: QString::number(double) and arg(double) write
// an exponent with one digit on Qt 5.7 to 5.11.1 ("1.5e-5", the board's Qt
// 5.9) and with two on later ones ("1.5e-05"); the C locale writes two on all
// of them. Format and precision as for QString::number.
inline QString numberText(double value, char format = 'g', int precision = 6)
{
    return QLocale::c().toString(value, format, precision);
}

#endif // NUMBER_TEXT_H
