#include "dialog.h"

#include "mainapplication.h"
#include "pushbutton.h"

#include <QCoreApplication>
#include <QDebug>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QThread>
#include <QVBoxLayout>

Dialog::Dialog(QWidget* parent, bool verticalButtons)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Dialog"));
    setModal(true);
    setAttribute(Qt::WA_DeleteOnClose);
    setMinimumWidth(300);
    setMaximumWidth(600);
    setMinimumHeight(150);

    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(5, 5, 5, 5);
    m_layout->setSpacing(5);

    m_messageLayout = new QVBoxLayout();
    m_messageLayout->setContentsMargins(0, 0, 0, 0);
    m_messageLayout->setSpacing(3);
    m_layout->addLayout(m_messageLayout, 1);

    if (verticalButtons)
        m_buttonLayout = new QVBoxLayout();
    else
        m_buttonLayout = new QHBoxLayout();
    m_buttonLayout->setContentsMargins(0, 0, 0, 0);
    m_buttonLayout->setSpacing(5);
    m_layout->addLayout(m_buttonLayout);

    m_closeTimer.setObjectName(QStringLiteral("closeTimer"));
    m_closeTimer.setSingleShot(true);
    m_closeTimer.setInterval(CloseTimeoutMs);
    connect(&m_closeTimer, &QTimer::timeout, this, &QDialog::reject);
}

Dialog::~Dialog() = default;

void Dialog::logCreate() const
{
    qDebug().noquote() << QString("create: %1").arg(metaObject()->className());
}

void Dialog::logDestroy() const
{
    qDebug().noquote() << QString("~%1").arg(metaObject()->className());
}

QLabel* Dialog::addMessageLabel(const QString& text)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("dialogMessageLabel_"));
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    m_messageLayout->addWidget(label, 1);
    m_messageLabel = label;
    return label;
}

PushButton* Dialog::addButton(const QString& text, const char* slot)
{
    auto* button = new PushButton(m_buttonCount, text, QPixmap(), this);
    button->setFocusPolicy(Qt::StrongFocus);
    button->setAlignment(Qt::AlignCenter);
    connect(button, SIGNAL(clicked(int)), this, slot);
    m_buttonLayout->addWidget(button);
    m_buttons.append(button);
    m_focusedButton = m_buttonCount;
    ++m_buttonCount;
    return button;
}

PushButton* Dialog::button(int index) const
{
    return m_buttons.value(index, nullptr);
}

void Dialog::setDeleteOnClose(bool deleteOnClose)
{
    m_deleteOnClose = deleteOnClose;
}

void Dialog::startCloseDialogTimer()
{
    m_closeTimer.start();
}

bool Dialog::stopping()
{
    const MainApplication* app = MainApplication::getInstance();
    return app && app->isQuitting();
}

int Dialog::exec()
{
    const bool deleteOnClose = testAttribute(Qt::WA_DeleteOnClose);
    // Asked for while the program stops: not shown, nobody could answer it.
    if (stopping()) {
        if (deleteOnClose)
            deleteLater();
        return Unanswered;
    }
    // Read after the loop, so QDialog::exec() must not free the dialog itself.
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPointer<Dialog> guard(this);
    const int answer = QDialog::exec();
    if (!guard)
        return answer;
    // Still open: no answer closed it, the program's stop ended the loop.
    const bool unanswered = isVisible();
    if (unanswered)
        hide();
    if (deleteOnClose)
        delete this;
    return unanswered ? Unanswered : answer;
}

int Dialog::showLoop()
{
    // Like exec(): a dialog that deletes itself on close must outlive the loop
    // that reads its result, and one destroyed from outside (its parent screen
    // replaced meanwhile) must not be touched again.
    const bool deleteOnClose = testAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPointer<Dialog> guard(this);

    setResult(0);
    // Asked for while the program stops: not shown, nobody could answer it.
    bool unanswered = stopping();
    if (!unanswered)
        show();
    while (guard && isVisible() && !stopping()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (guard && isVisible())
            QThread::msleep(1);
    }
    if (!guard)
        return Rejected;
    // Still open, so the program is stopping: the dialog goes as if rejected,
    // so that its caller unwinds and the main loop, already told to end, can
    // end; but no answer was given.
    if (isVisible()) {
        unanswered = true;
        reject();
    }

    const int answer = unanswered ? int(Unanswered) : result();
    if (deleteOnClose) {
        setAttribute(Qt::WA_DeleteOnClose, true);
        // Deferred rather than immediate: callers that keep the dialog on their
        // stack free it themselves, which also drops this pending deletion.
        deleteLater();
    }
    return answer;
}

void Dialog::focusButton(int index)
{
    if (PushButton* b = button(index))
        b->setFocus();
}

void Dialog::keyLeftPress()
{
    if (!isVisible() || m_buttonCount == 0 || m_focusedButton <= 0)
        return;
    --m_focusedButton;
    focusButton(m_focusedButton);
}

void Dialog::keyRightPress()
{
    if (!isVisible() || m_buttonCount == 0 || m_focusedButton >= m_buttonCount - 1)
        return;
    ++m_focusedButton;
    focusButton(m_focusedButton);
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        QDialog::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_F3:
        event->accept();
        if (m_deleteOnClose)
            reject();
        else
            emit signalClosed();
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_F5:
    case Qt::Key_F6:
        event->accept();
        keyLeftPress();
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_F7:
    case Qt::Key_F8:
        event->accept();
        keyRightPress();
        return;
    default:
        QDialog::keyPressEvent(event);
        return;
    }
}

void Dialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_buttonCount > 0)
        focusButton(m_focusedButton);
}
