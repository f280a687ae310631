#include "lineedit.h"

#include "common.h"
#include "parameterdef.h"
#include "parameters.h"
#include "units.h"

#include <QDebug>
#include <QDoubleValidator>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLocale>

namespace {

QString formatValue(float value, const ParameterDef* def, bool pad)
{
    unTypeData data;
    data.f = value;
    return Common::getTextValue(data, def, true, pad);
}

float toUser(float value, const ParameterDef* def)
{
    Parameters* parameters = Common::parameters();
    return parameters ? parameters->convertFrom(value, def, false, true) : value;
}

// A text as a mask would take it: every digit a mask's "0".
QString digitsAsMask(const QString& text)
{
    QString mask = text;
    for (QChar& c : mask) {
        if (c.isDigit())
            c = QLatin1Char('0');
    }
    return mask;
}

// Keys that put a character into the field or take one out of it.
bool isEntryKey(const QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Backspace || key == Qt::Key_Delete)
        return true;
    const QString text = event->text();
    return !text.isEmpty() && text.at(0).isPrint();
}

} // namespace

LineEdit::LineEdit(QWidget* parent)
    : QLineEdit(parent)
    , m_validator(new QDoubleValidator(this))
{
    setObjectName(QStringLiteral("LineEdit"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // Only the row hands the focus to its field.
    setFocusPolicy(Qt::NoFocus);
    setCursorMoveStyle(Qt::VisualMoveStyle);
    // Entries are read with a '.' whatever the language of the screens.
    m_validator->setLocale(QLocale::c());
    m_validator->setNotation(QDoubleValidator::StandardNotation);
}

void LineEdit::init(const ParameterDef* def)
{
    if (!def)
        return;
    m_entryLength = -1;
    m_maskWidened = false;

    const int physic = Units::quantity(def->physic.load());
    const quint8 unit = def->unitOut.load();
    const bool colonTime = physic == 2 && (unit == 3 || unit == 5 || unit == 7 || unit == 8);

    bool masked = false;
    if (colonTime) {
        m_mask = digitsAsMask(formatValue(def->max.load(), def, true)) + QStringLiteral(";0");
        masked = true;
    } else if (physic == 1) {
        if (unit == 1)
            m_mask = QStringLiteral("0000.00.00 00:00:00;0");
        else if (unit == 2)
            m_mask = QStringLiteral("00.00.00;0");
        masked = true;
    }

    if (masked) {
        // The limits are shown as the field displays them under its mask.
        setValidator(nullptr);
        setInputMask(m_mask);
        setText(formatValue(toUser(def->min.load(), def), def, true));
        m_minText = displayText();
        setText(formatValue(toUser(def->max.load(), def), def, true));
        m_maxText = displayText();
        clear();
        setInputMask(QString());
    } else {
        m_decimals = Common::maskDecimals(def->mask);
        const float min = toUser(def->min.load(), def);
        const float max = toUser(def->max.load(), def);
        m_minText = formatValue(min, def, false);
        m_maxText = formatValue(max, def, false);
        m_validator->setRange(min, max, m_decimals);
        setValidator(m_validator);
        setMaxLength(qMax(m_minText.length(), m_maxText.length()));
    }

    qDebug() << "LineEdit::init" << def->id << def->mask.length() << m_maxText.length()
             << m_decimals << def->discret << def->value.load() << def->min.load() << def->max.load();
}

void LineEdit::showText(const QString& text)
{
    // Under a mask the mask alone decides the length.
    if (inputMask().isEmpty() && text.length() > maxLength()) {
        if (m_entryLength < 0)
            m_entryLength = maxLength();
        setMaxLength(text.length());
    }
    setText(text);
}

void LineEdit::showMasked(const QString& text)
{
    const QChar colon = QLatin1Char(':');
    QString layout = m_mask.section(QLatin1Char(';'), 0, 0);
    QString shown = text;
    m_maskWidened = false;
    const int maskField = layout.indexOf(colon);
    const int textField = text.indexOf(colon);
    const QString pattern = digitsAsMask(text);
    // The mask's places after the first field are those of every value: only
    // the first field's width differs between a value and the maximum.
    const bool laidOut = maskField >= 0 && textField > 0 && pattern.mid(textField) == layout.mid(maskField)
                         && pattern.left(textField) == QString(textField, QLatin1Char('0'));
    if (laidOut && textField < maskField) {
        shown = QString(maskField - textField, QLatin1Char('0')) + text;
    } else if (laidOut && textField > maskField && m_clear) {
        // Put into the stored mask, its first digits would be cut and the
        // rest shifted: another value than the one stored.
        layout = QString(textField - maskField, QLatin1Char('0')) + layout;
        m_maskWidened = true;
    }
    const int blank = m_mask.indexOf(QLatin1Char(';'));
    setInputMask(blank < 0 ? layout : layout + m_mask.mid(blank));
    setText(shown);
}

void LineEdit::keyLeftPress()
{
    if (cursorPosition() > 0)
        cursorBackward(false);
}

void LineEdit::keyRightPress()
{
    if (cursorPosition() < maxLength() - 1)
        cursorForward(false);
}

void LineEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F4) {
        // Ending an edit is the row's business.
        event->ignore();
        return;
    }

    if (m_clear && !m_keyed) {
        // Nothing of the shown value is left to cut: the entry is bounded by
        // the limits again.
        if (m_maskWidened) {
            setInputMask(m_mask);
            m_maskWidened = false;
        }
        clear();
        if (m_entryLength >= 0) {
            setMaxLength(m_entryLength);
            m_entryLength = -1;
        }
    }
    m_keyed = true;

    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_F6:
    case Qt::Key_F8:
        event->accept();
        return;
    case Qt::Key_Left:
    case Qt::Key_F5:
        event->accept();
        keyLeftPress();
        return;
    case Qt::Key_Right:
    case Qt::Key_F7:
        event->accept();
        keyRightPress();
        return;
    case Qt::Key_Period:
        if (m_decimals == 0) {
            event->accept();
            return;
        }
        break;
    default:
        break;
    }
    if (!isEntryKey(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    m_typed = true;
    // The places the key types into: those the cursor passes over as it puts
    // a character in or takes one out; Delete takes the one after the
    // cursor. A selection the key replaces or erases counts only where a
    // character goes: the edit begins with the whole field selected, and
    // its first digit is typed into the first place, not into every part.
    const bool replaces = hasSelectedText();
    const int from = replaces ? selectionStart() : cursorPosition();
    const int to = !replaces && key == Qt::Key_Delete ? from + 1 : from;
    QLineEdit::keyPressEvent(event);
    const int cursorAfter = cursorPosition();
    markTyped(qMin(from, cursorAfter), qMax(to, cursorAfter));
}

void LineEdit::markTyped(int from, int to)
{
    if (to <= from)
        return;
    if (m_typedPlaces.size() < to)
        m_typedPlaces.resize(to);
    m_typedPlaces.fill(true, from, to);
}

bool LineEdit::isTypedWithin(int from, int to) const
{
    for (int place = qMax(0, from); place < qMin(to, m_typedPlaces.size()); ++place) {
        if (m_typedPlaces.testBit(place))
            return true;
    }
    return false;
}

void LineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    m_keyed = false;
    m_typed = false;
    m_typedPlaces.clear();
    // Whatever the reason of the focus, the whole old value is selected.
    selectAll();
}

void LineEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    emit signalFocusOut();
}
