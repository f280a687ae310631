#ifndef BASESTRINGEDITWIDGET_H
#define BASESTRINGEDITWIDGET_H

#include "basemultiparameditwidget.h"

#include <QPointer>

class VirtualKeyboard;

// A text of up to eight Latin-1 characters over two parameters of four bytes
// each (the well name), typed on the virtual keyboard.
class BaseStringEditWidget : public BaseMultiParamEditWidget
{
    Q_OBJECT
public:
    BaseStringEditWidget(unsigned short id1, unsigned short id2, int index, QWidget* parent = nullptr);

    static constexpr int TextBytes = 8;

    VirtualKeyboard* keyboard() const { return m_keyboard; }

    // The text of the bytes of two words in memory order, up to the first zero.
    static QString wordsText(quint32 first, quint32 second);
    // The words holding a text: its Latin-1 bytes, zero-filled to eight.
    static void textWords(const QString& text, quint32* first, quint32* second);

public slots:
    void virtualKeyboardClosed();
    void setChar(const QString& text);

protected:
    void showValue(Parameters& parameters) override;
    bool commitEntry(const QString& text) override;
    void beginEntry() override;
    bool keepsEditOnFocusLoss() const override;
    bool isEntryTyped() const override;

private:
    QPointer<VirtualKeyboard> m_keyboard;
    // A character entered or erased on the keyboard during this edit.
    bool m_typedOnKeyboard = false;
};

#endif // BASESTRINGEDITWIDGET_H
