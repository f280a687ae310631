#include "progressbardialog.h"

#include "headermainwindow.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "messagedialog.h"
#include "parameters.h"
#include "saturate.h"

#include <QDebug>
#include <QLabel>
#include <QProgressBar>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace {

int commandTimeout = ProgressBarDialog::CommandTimeoutMs;

} // namespace

ProgressBarDialog::ProgressBarDialog(const QString& text, QWidget* parent, unsigned short commandId, bool showTime)
    : Dialog(parent, false)
    , m_text(text)
    , m_commandId(commandId)
{
    logCreate();
    // The controller finishes the command, not the operator.
    setDeleteOnClose(false);
    addMessageLabel(text);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar_"));
    m_progressBar->setFixedHeight(20);
    m_progressBar->setAlignment(Qt::AlignCenter);
    // A range of 0 to 0 is a busy indicator until a maximum is reported.
    m_progressBar->setRange(0, 0);
    messageLayout()->addWidget(m_progressBar);

    if (showTime) {
        m_elapsed.start();
        auto* refresh = new QTimer(this);
        refresh->setObjectName(QStringLiteral("refreshTimer"));
        refresh->setInterval(RefreshMs);
        connect(refresh, &QTimer::timeout, this, &ProgressBarDialog::slotShowText);
        refresh->start();
    }

    MainApplication* app = MainApplication::getInstance();
    if (m_commandId != 0 && app && app->getParameters()) {
        connect(app->getParameters(), SIGNAL(signalParamUpdated(quint16)), this, SLOT(slotParamUpdated(quint16)));
    }
    if (m_commandId != 0) {
        // A controller that never returns the command to 0, or a link that
        // drops meanwhile, must not hold the panel for good: the close timer
        // bounds the wait (it rejects the dialog) and says so.
        closeTimer()->setInterval(commandTimeout);
        connect(closeTimer(), &QTimer::timeout, this, &ProgressBarDialog::slotCommandTimedOut);
        startCloseDialogTimer();
    }
}

ProgressBarDialog::~ProgressBarDialog()
{
    if (m_commandId != 0) {
        MainApplication* app = MainApplication::getInstance();
        MainWindow* window = app ? app->getMainWindow() : nullptr;
        if (HeaderMainWindow* header = window ? window->headerMainWindow() : nullptr)
            header->showProgress(false);
    }
    logDestroy();
}

int ProgressBarDialog::commandTimeoutMs()
{
    return commandTimeout;
}

void ProgressBarDialog::setCommandTimeoutMs(int ms)
{
    commandTimeout = ms > 0 ? ms : CommandTimeoutMs;
}

QString ProgressBarDialog::timeoutText(const QString& text)
{
    return QStringLiteral("%1\n%2").arg(text, QObject::tr("Контроллер не сообщил о завершении операции"));
}

void ProgressBarDialog::slotCommandTimedOut()
{
    if (m_ended)
        return;
    m_ended = true;
    qWarning().noquote() << QStringLiteral("Command %1: no end reported by the controller").arg(m_commandId);
    auto* warning = new MessageDialog(timeoutText(m_text), MessageDialog::Warning, parentWidget());
    warning->show();
}

void ProgressBarDialog::setValue(int value)
{
    // Shown at the next refresh of the text.
    m_value = value;
}

void ProgressBarDialog::setMaximum(int maximum)
{
    m_maximum = maximum;
    m_progressBar->setRange(0, maximum);
    m_progressBar->setFormat(QStringLiteral("%v/%1").arg(maximum));
}

int ProgressBarDialog::percent(int value, int maximum)
{
    const float share = static_cast<float>(value) / (static_cast<float>(maximum) / 100.0f);
    return qMin(saturatingInt(share), 100);
}

QString ProgressBarDialog::progressText(const QString& text, const QString& doneWord, const QString& passedWord,
                                        int value, int maximum, qint64 elapsedMs)
{
    // Minutes of the hour and seconds: a command longer than an hour starts
    // counting again, as the station always showed it.
    const QString time = QTime(0, 0).addMSecs(static_cast<int>(elapsedMs % (24 * 3600 * 1000))).toString("mm:ss");
    if (maximum == 0)
        return QStringLiteral("%1\n%2 %3").arg(text, passedWord, time);
    return QStringLiteral("%1\n%2 %3%\n%4 %5")
        .arg(text, doneWord, QString::number(percent(value, maximum)), passedWord, time);
}

void ProgressBarDialog::slotShowText()
{
    if (QLabel* label = messageLabel()) {
        label->setText(progressText(m_text, QObject::tr("выполнено"), QObject::tr("прошло"), m_value, m_maximum,
                                    m_elapsed.isValid() ? m_elapsed.elapsed() : 0));
    }
    if (m_maximum != 0)
        m_progressBar->setValue(m_value);
}

void ProgressBarDialog::slotParamUpdated(quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* store = app ? app->getParameters() : nullptr;
    if (!store || m_ended)
        return;
    if (id == m_commandId) {
        // The controller has finished the command.
        if (store->get(id) == 0.0f) {
            m_ended = true;
            closeTimer()->stop();
            accept();
        }
        return;
    }
    if (id != IdProgressMaximum && id != IdProgressValue)
        return;
    // The controller is still at it: its wait starts again.
    if (closeTimer()->isActive())
        closeTimer()->start();
    if (id == IdProgressMaximum)
        setMaximum(saturatingInt(store->get(id)));
    else
        setValue(saturatingInt(store->get(id)));
}
