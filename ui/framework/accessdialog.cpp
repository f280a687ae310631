#include "accessdialog.h"

#include "lineedit.h"
#include "mainapplication.h"
#include "parameters.h"
#include "saturate.h"

#include <QDateTime>
#include <QKeyEvent>
#include <QLabel>
#include <QTime>
#include <QVBoxLayout>

namespace {

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

float valueOf(quint16 id)
{
    Parameters* parameters = store();
    return parameters ? parameters->get(id) : 0.0f;
}

quint32 rawOf(quint16 id)
{
    Parameters* parameters = store();
    return parameters ? parameters->getU32(id) : ParameterDef::InvalidValue;
}

void write(quint16 id, int value)
{
    if (Parameters* parameters = store())
        parameters->set(id, value, 1);
}

} // namespace

AccessDialog::AccessDialog(unsigned char level, const QString& prompt, QWidget* parent, bool resetMode)
    : Dialog(parent, false)
    , m_level(level)
    , m_resetMode(resetMode)
{
    logCreate();
    m_message = addMessageLabel(prompt.isEmpty() ? QObject::tr("Введите пароль") : prompt);

    m_passEdit = new LineEdit(this);
    const ParameterDef* def = store() ? store()->getParameter(IdPasswordLevel1) : nullptr;
    m_passEdit->init(def);
    m_passEdit->setObjectName(QStringLiteral("passEdit_"));
    m_passEdit->setFocusPolicy(Qt::StrongFocus);
    m_passEdit->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_passEdit->setEchoMode(QLineEdit::Password);
    m_passEdit->setMinimumWidth(93);
    // As many digits as the passwords have: a shorter entry is never compared.
    m_passEdit->setMaxLength(def && !def->mask.isEmpty() ? def->mask.length() : 4);
    m_passEdit->setAlignment(Qt::AlignCenter);
    messageLayout()->addWidget(m_passEdit);
    m_passEdit->setFocus();

    m_lockTimer.setObjectName(QStringLiteral("lockTimer"));
    m_lockTimer.setInterval(1000);
    connect(&m_lockTimer, &QTimer::timeout, this, [this]() { showTimer(0); });

    // Still locked out from an earlier dialog (or an earlier run): open in the
    // countdown of the stored lock time.
    if (saturatingInt(valueOf(IdFailedAttempts)) >= MaxAttempts) {
        m_lockTimer.start();
        showTimer(rawOf(IdLockTime));
    }

    startCloseDialogTimer();
}

AccessDialog::~AccessDialog()
{
    logDestroy();
}

quint32 AccessDialog::now()
{
    return static_cast<quint32>(QDateTime::currentDateTimeUtc().toSecsSinceEpoch());
}

float AccessDialog::calcCodeResetPass() const
{
    // Changes every day and from station to station; the service knows the
    // constant and works the code out from the date and the serial number.
    const quint64 month = saturatingUInt(valueOf(IdMonth)) & 0xFFu;
    const quint64 day = saturatingUInt(valueOf(IdDay)) & 0xFFu;
    const quint64 serial = rawOf(IdSerialNumber);
    return static_cast<float>((month * day + serial + ResetCodeConstant) % 10000u);
}

void AccessDialog::passChecking()
{
    const QString text = m_passEdit->text();
    if (text.isEmpty())
        return;

    bool number = false;
    const float entry = text.toFloat(&number);
    int granted = 0;
    if (number && text.length() == m_passEdit->maxLength()) {
        if (!m_resetMode) {
            // From the highest level down: a password shared by two levels
            // grants the higher one.
            for (int level = 4; level >= 1 && granted == 0; --level) {
                if (valueOf(static_cast<quint16>(IdAccessLevel + level)) == entry)
                    granted = level;
            }
        } else if (entry == calcCodeResetPass()) {
            write(IdPasswordLevel1, FactoryPasswordLevel1);
            write(IdPasswordLevel2, FactoryPasswordLevel2);
            write(IdPasswordLevel3, FactoryPasswordLevel3);
            granted = ResetGrantedLevel;
        }
    }

    if (granted == 0) {
        wrongEntry();
        return;
    }

    write(IdFailedAttempts, 0);
    write(IdAccessLevel, granted);
    if (granted < m_level) {
        // The lower level stays granted; another password may still do.
        m_message->setText(QObject::tr("Недостаточный уровень доступа!"));
        m_passEdit->clear();
        return;
    }
    accept();
}

void AccessDialog::wrongEntry()
{
    const int failed = saturatingInt(valueOf(IdFailedAttempts));
    if (failed + 1 < MaxAttempts) {
        m_message->setText(QObject::tr("Неверный пароль!\nПовторите попытку"));
    } else {
        const quint32 lockTime = now();
        if (Parameters* parameters = store())
            parameters->set(IdLockTime, lockTime, 1);
        m_lockTimer.start();
        showTimer(lockTime);
    }
    m_passEdit->clear();
    write(IdFailedAttempts, failed + 1);
}

void AccessDialog::showTimer(unsigned int time)
{
    if (time == 0)
        time = rawOf(IdLockTime);
    // Seconds of the lock-out still to run, in unsigned arithmetic: a lock
    // that began LockSeconds or more ago gives 0 or wraps, and so does one
    // dated in the future (the clock was set back); both count as over.
    const quint32 left = time + LockSeconds - now();
    const bool over = left - 1u >= static_cast<quint32>(LockSeconds);
    m_passEdit->setEnabled(over);
    m_passEdit->setVisible(over);
    if (!over) {
        m_message->setText(QStringLiteral("%1 %2").arg(QObject::tr("Неверный пароль!\nПовторите попытку через"),
                                                     QTime(0, 0).addSecs(static_cast<int>(left)).toString("mm:ss")));
        return;
    }
    m_lockTimer.stop();
    write(IdFailedAttempts, 0);
    m_message->setText(QObject::tr("Введите пароль"));
    m_passEdit->setFocus();
}

void AccessDialog::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Enter:
    case Qt::Key_Return:
    case Qt::Key_F4:
        event->accept();
        if (!m_passEdit->isHidden() && m_passEdit->isEnabled())
            passChecking();
        return;
    default:
        Dialog::keyPressEvent(event);
        return;
    }
}
