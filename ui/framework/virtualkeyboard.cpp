#include "virtualkeyboard.h"

#include "mainapplication.h"
#include "mainwindow.h"

#include <QDebug>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPointer>
#include <QStyle>
#include <QTimer>

namespace {

const char* const KeyDel = "Del";
const char* const KeyEnter = "Enter";

void repolish(QWidget* widget)
{
    widget->style()->unpolish(widget);
    widget->style()->polish(widget);
}

} // namespace

// --- KeyboardButton ----------------------------------------------------------------------

KeyboardButton::KeyboardButton(int row, int column, const QString& text, QWidget* keyboard)
    : QLabel(keyboard)
    , m_row(row)
    , m_column(column)
{
    setObjectName(QStringLiteral("button"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(37);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);
    m_textLabel = new QLabel(text, this);
    m_textLabel->setObjectName(QStringLiteral("textButton_"));
    m_textLabel->setAlignment(Qt::AlignCenter);
    m_textLabel->setAttribute(Qt::WA_TranslucentBackground);
    m_textLabel->setMinimumHeight(minimumHeight());
    m_textLabel->setWordWrap(true);
    layout->addWidget(m_textLabel);

    connect(this, SIGNAL(mousePress(int, int)), keyboard, SLOT(mousePress(int, int)));
    connect(this, SIGNAL(entered(QString)), keyboard, SIGNAL(entered(QString)));
    setState(0);
}

QString KeyboardButton::text() const
{
    return m_textLabel->text();
}

void KeyboardButton::setState(int state)
{
    m_textLabel->setProperty("state", state);
    repolish(m_textLabel);
    setProperty("state", state);
    repolish(this);
    update();
}

void KeyboardButton::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        event->accept();
        emit entered(text());
        return;
    default:
        // Moves, Esc and typed characters are the keyboard's.
        event->ignore();
        return;
    }
}

void KeyboardButton::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit mousePress(m_row, m_column);
}

void KeyboardButton::mouseReleaseEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit entered(text());
}

void KeyboardButton::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    setState(1);
}

void KeyboardButton::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    setState(0);
}

// --- VirtualKeyboard ---------------------------------------------------------------------

VirtualKeyboard::VirtualKeyboard(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    qDebug().noquote() << QString("create: %1").arg(metaObject()->className());
    setObjectName(QStringLiteral("VirtualKeyboard"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(640);

    m_layout = new QGridLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(1);

    for (int column = 0; column < m_columns; ++column)
        addKey(0, column, QString(QChar('0' + column)));
    for (int column = 0; column < m_columns; ++column)
        addKey(1, column, QString(QChar('A' + column)));
    for (int column = 0; column < m_columns; ++column)
        addKey(2, column, QString(QChar('K' + column)));
    for (int column = 0; column < 6; ++column)
        addKey(3, column, QString(QChar('U' + column)));
    addKey(3, 6, QString::fromLatin1(KeyDel), 2);
    addKey(3, 8, QString::fromLatin1(KeyEnter), 2);
}

VirtualKeyboard::~VirtualKeyboard()
{
    qDebug().noquote() << QString("~%1").arg(metaObject()->className());
}

void VirtualKeyboard::addKey(int row, int column, const QString& text, int columnSpan)
{
    auto* button = new KeyboardButton(row, column, text, this);
    m_layout->addWidget(button, row, column, 1, columnSpan);
    for (int c = column; c < column + columnSpan; ++c)
        m_keys[row][c] = button;
}

KeyboardButton* VirtualKeyboard::key(int row, int column) const
{
    if (row < 0 || row >= Rows || column < 0 || column >= Columns)
        return nullptr;
    return m_keys[row][column];
}

void VirtualKeyboard::focusCurrentKey()
{
    QPointer<KeyboardButton> button = currentKey();
    QTimer::singleShot(0, this, [button]() {
        if (button)
            button->setFocus();
    });
}

void VirtualKeyboard::keyLeftPress()
{
    m_currentColumn = (m_currentColumn + m_columns - 1) % m_columns;
    // The wide keys are one stop each: step over their second cell.
    if (m_currentRow == 3 && (m_currentColumn == 6 || m_currentColumn == 8))
        --m_currentColumn;
    focusCurrentKey();
}

void VirtualKeyboard::keyRightPress()
{
    m_currentColumn = (m_currentColumn + 1) % m_columns;
    if (m_currentRow == 3 && (m_currentColumn == 7 || m_currentColumn == 9))
        m_currentColumn = (m_currentColumn + 1) % m_columns;
    focusCurrentKey();
}

void VirtualKeyboard::keyUpPress()
{
    m_currentRow = (m_currentRow + m_rows - 1) % m_rows;
    focusCurrentKey();
}

void VirtualKeyboard::keyDownPress()
{
    m_currentRow = (m_currentRow + 1) % m_rows;
    focusCurrentKey();
}

void VirtualKeyboard::mousePress(int row, int column)
{
    if (!key(row, column))
        return;
    m_currentRow = row;
    m_currentColumn = column;
    focusCurrentKey();
}

void VirtualKeyboard::moveBottom()
{
    MainApplication* app = MainApplication::getInstance();
    QWidget* window = app ? app->getMainWindow() : nullptr;
    // Before the main window exists (and in tests) the owner's window stands in.
    if (!window && parentWidget())
        window = parentWidget()->window();
    if (!window)
        return;
    const QRect area = window->geometry();
    move(area.left(), area.top() + area.height() - height() - BottomMargin);
}

void VirtualKeyboard::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F3:
        event->accept();
        reject();
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
    case Qt::Key_Up:
    case Qt::Key_F6:
        event->accept();
        keyUpPress();
        return;
    case Qt::Key_Down:
    case Qt::Key_F8:
        event->accept();
        keyDownPress();
        return;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        emit entered(QString::fromLatin1(KeyDel));
        break;
    default: {
        // A hardware keyboard types in either case; the texts are capitals.
        const QString text = event->text().toUpper();
        if (!text.isEmpty()) {
            const QChar first = text.at(0);
            if ((first >= QLatin1Char('0') && first <= QLatin1Char('9'))
                || (first >= QLatin1Char('A') && first <= QLatin1Char('Z')))
                emit entered(text);
        }
        break;
    }
    }
    QDialog::keyPressEvent(event);
}

void VirtualKeyboard::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    setFocus();
    moveBottom();
    focusCurrentKey();
}
