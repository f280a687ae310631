#include "splashscreen.h"

#include "mainapplication.h"
#include "progressbardialog.h"

#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

SplashScreen::SplashScreen(const QString& text, QWidget* parent)
    : Dialog(parent, false)
    , m_text(text)
{
    logCreate();
    // Hidden, not deleted, at the end of the first synchronisation; it goes
    // only when it is closed.
    setAttribute(Qt::WA_DeleteOnClose, false);
    addMessageLabel(text);

    m_progressBar = new QProgressBar(this);
    m_progressBar->setObjectName(QStringLiteral("progressBar_"));
    m_progressBar->setFixedHeight(20);
    m_progressBar->setAlignment(Qt::AlignCenter);
    m_progressBar->setRange(0, 0);
    messageLayout()->addWidget(m_progressBar);

    m_elapsed.start();
    auto* refresh = new QTimer(this);
    refresh->setObjectName(QStringLiteral("refreshTimer"));
    refresh->setInterval(ProgressBarDialog::RefreshMs);
    connect(refresh, &QTimer::timeout, this, &SplashScreen::slotShowText);
    refresh->start();

    // A stop like any other: the loops that wait on their own must see it.
    connect(this, &QDialog::rejected, this, &MainApplication::requestQuit);
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

SplashScreen::~SplashScreen()
{
    logDestroy();
}

void SplashScreen::slotSyncBegin(int paramsCount)
{
    m_total = paramsCount;
    m_done = 0;
    m_text = QStringLiteral("Loading...");
    m_progressBar->setValue(0);
    m_progressBar->setRange(0, m_total);
    m_progressBar->setFormat(QStringLiteral("%v/%1").arg(m_total));
}

void SplashScreen::slotSyncCount(int remaining)
{
    m_done = m_total - remaining;
}

void SplashScreen::slotShowText()
{
    // The splash runs before the language is known: its words stay English.
    if (QLabel* label = messageLabel()) {
        label->setText(ProgressBarDialog::progressText(m_text, QStringLiteral("completed"), QStringLiteral("passed"),
                                                       m_done, m_total, m_elapsed.elapsed()));
    }
    if (m_total != 0)
        m_progressBar->setValue(m_done);
}
