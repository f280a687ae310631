#ifndef MARKING_TRANSLATOR_H
#define MARKING_TRANSLATOR_H

#include <QCoreApplication>
#include <QTranslator>

// Installed for its lifetime, wraps every text the program asks to translate
// in brackets, so a test sees which texts went through the translator and in
// how many parts.
class MarkingTranslator : public QTranslator
{
public:
    MarkingTranslator() { QCoreApplication::installTranslator(this); }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* = nullptr, int = -1) const override
    {
        if (qstrcmp(context, "QObject") != 0)
            return QString();
        return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
    }
};

#endif // MARKING_TRANSLATOR_H
