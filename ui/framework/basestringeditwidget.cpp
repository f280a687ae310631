#include "basestringeditwidget.h"

#include "lineedit.h"
#include "parameterdef.h"
#include "parameters.h"
#include "virtualkeyboard.h"

#include <QtEndian>
#include <cstring>

BaseStringEditWidget::BaseStringEditWidget(unsigned short id1, unsigned short id2, int index, QWidget* parent)
    : BaseMultiParamEditWidget(QVector<quint16>{id1, id2}, index, parent)
{
}

QString BaseStringEditWidget::wordsText(quint32 first, quint32 second)
{
    uchar bytes[TextBytes];
    qToLittleEndian<quint32>(first, bytes);
    qToLittleEndian<quint32>(second, bytes + 4);
    int length = 0;
    while (length < TextBytes && bytes[length] != 0)
        ++length;
    return QString::fromLatin1(reinterpret_cast<const char*>(bytes), length);
}

void BaseStringEditWidget::textWords(const QString& text, quint32* first, quint32* second)
{
    uchar bytes[TextBytes];
    std::memset(bytes, 0, sizeof bytes);
    const QByteArray latin = text.toLatin1();
    std::memcpy(bytes, latin.constData(), static_cast<size_t>(qMin(latin.size(), TextBytes)));
    *first = qFromLittleEndian<quint32>(bytes);
    *second = qFromLittleEndian<quint32>(bytes + 4);
}

void BaseStringEditWidget::showValue(Parameters& parameters)
{
    const ParameterDef* def = definition(0);
    if (!def)
        return;
    lineEdit()->init(def);
    // Letters are typed here: the numeric validator of a plain number has no place.
    lineEdit()->setValidator(nullptr);
    lineEdit()->setMaxLength(def->mask.isEmpty() ? TextBytes : def->mask.length());
    lineEdit()->setText(wordsText(parameters.getU32(ids().at(0)), parameters.getU32(ids().at(1))));
}

void BaseStringEditWidget::beginEntry()
{
    auto* keyboard = new VirtualKeyboard(this);
    m_keyboard = keyboard;
    keyboard->show();
    connect(keyboard, &QDialog::rejected, this, &BaseStringEditWidget::virtualKeyboardClosed);
    connect(keyboard, &VirtualKeyboard::entered, this, &BaseStringEditWidget::setChar);
    m_typedOnKeyboard = false;
    lineEdit()->clear();
}

bool BaseStringEditWidget::isEntryTyped() const
{
    // The field is emptied when the edit begins: ended so, it holds no text
    // of the operator's.
    return m_typedOnKeyboard || BaseMultiParamEditWidget::isEntryTyped();
}

bool BaseStringEditWidget::keepsEditOnFocusLoss() const
{
    // The keyboard takes the focus while the operator types on it.
    return !m_keyboard.isNull();
}

void BaseStringEditWidget::virtualKeyboardClosed()
{
    m_keyboard.clear();
}

void BaseStringEditWidget::setChar(const QString& text)
{
    if (text != QLatin1String("Enter"))
        m_typedOnKeyboard = true;
    if (text == QLatin1String("Del")) {
        const QString current = lineEdit()->text();
        lineEdit()->setText(current.left(current.length() - 1));
        return;
    }
    if (text == QLatin1String("Enter")) {
        if (VirtualKeyboard* keyboard = m_keyboard) {
            m_keyboard.clear();
            keyboard->close();
        }
        slotEditingEnd();
        return;
    }
    lineEdit()->end(false);
    lineEdit()->insert(text);
}

bool BaseStringEditWidget::commitEntry(const QString& text)
{
    quint32 first = 0;
    quint32 second = 0;
    textWords(text, &first, &second);
    emit signalParamWrite(ids().at(0), first);
    emit signalParamWrite(ids().at(1), second);
    return true;
}
