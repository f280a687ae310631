#include "headermainwindow.h"
#include "logo_marker.h"

#include "mainapplication.h"
#include "number_text.h"
#include "parameters.h"

#include <QDateTime>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QMovie>
#include <QVBoxLayout>
#include <cstdlib>

namespace {

float value(quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getValue(id) : 0.0f;
}

quint32 rawValue(quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* store = app ? app->getParameters() : nullptr;
    return store ? store->getU32(id) : 0u;
}

// Eight bytes of two parameters, least significant first, as UTF-8. The text
// ends at its first zero byte: what follows it is padding, not part of the name.
// A word not received yet holds no characters.
QString textOfPair(quint16 first, quint16 second)
{
    QByteArray bytes;
    for (quint16 id : {first, second}) {
        const quint32 raw = rawValue(id);
        if (raw == 0xFFFFFFFFu)
            break;
        for (int i = 0; i < 4; ++i)
            bytes.append(static_cast<char>((raw >> (8 * i)) & 0xFFu));
    }
    const int zero = bytes.indexOf('\0');
    if (zero >= 0)
        bytes.truncate(zero);
    return QString::fromUtf8(bytes);
}

void setTextIfChanged(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

HeaderMainWindow::HeaderMainWindow(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("HeaderMainWindow"));
    setFixedHeight(37);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    // A station sold under another name carries the marker file and shows no logo.
    if (!LogoMarker::exists()) {
        m_logoLabel = new QLabel(this);
        m_logoLabel->setObjectName(QStringLiteral("iconCompanyLabel"));
        m_logoLabel->setPixmap(QPixmap(QStringLiteral(":/images/logo")));
        layout->addWidget(m_logoLabel);
    }

    m_wellLabel = new QLabel(this);
    // The names are typed by people, on the panel or over the network: a
    // "<" in them is a character, never the start of markup.
    m_wellLabel->setTextFormat(Qt::PlainText);
    layout->addWidget(m_wellLabel, 1);

    for (QLabel*& label : m_connectLabels) {
        label = new QLabel(this);
        label->setObjectName(QStringLiteral("connectLabel_"));
        label->hide();
        layout->addWidget(label);
    }

    m_progressLabel = new QLabel(this);
    m_progressLabel->setObjectName(QStringLiteral("progressLabel_"));
    m_movie = new QMovie(QStringLiteral(":/images/loading"), QByteArray(), this);
    m_movie->setCacheMode(QMovie::CacheAll);
    m_progressLabel->setMovie(m_movie);
    m_progressLabel->hide();
    layout->addWidget(m_progressLabel);

    m_usbLabel = new QLabel(this);
    m_usbLabel->setObjectName(QStringLiteral("usbLabel_"));
    m_usbLabel->setPixmap(QPixmap(QStringLiteral(":/images/usb")));
    m_usbLabel->hide();
    layout->addWidget(m_usbLabel);

    m_dateTimeWidget = new QFrame(this);
    m_dateTimeWidget->setObjectName(QStringLiteral("dateTimeWidget_"));
    auto* clock = new QVBoxLayout(m_dateTimeWidget);
    clock->setContentsMargins(0, 0, 0, 0);
    clock->setSpacing(0);
    m_timeLabel = new QLabel(m_dateTimeWidget);
    m_timeLabel->setObjectName(QStringLiteral("timeLabel_"));
    m_timeLabel->setAlignment(Qt::AlignCenter);
    m_dateLabel = new QLabel(m_dateTimeWidget);
    m_dateLabel->setObjectName(QStringLiteral("dateLabel_"));
    m_dateLabel->setAlignment(Qt::AlignCenter);
    clock->addWidget(m_timeLabel);
    clock->addWidget(m_dateLabel);
    layout->addWidget(m_dateTimeWidget);

    connect(&m_timer, &QTimer::timeout, this, &HeaderMainWindow::slotUpdateValue);
    m_timer.start(400 + (rand() % 10) * 10);
    slotUpdateValue();
}

QString HeaderMainWindow::wellName()
{
    QString field;
    QString bush;
    QString well;
    if (value(1663) == 0.0f) {
        field = numberText(value(515));
        bush = numberText(value(516));
        well = numberText(value(517));
    } else {
        field = textOfPair(1657, 1658);
        bush = textOfPair(1659, 1660);
        well = textOfPair(1661, 1662);
    }
    return QStringLiteral("%1-%2 %3-%4 %5-%6")
        .arg(QObject::tr("М-е"), field, QObject::tr("куст"), bush, QObject::tr("скв"), well);
}

void HeaderMainWindow::slotUpdateValue()
{
    updateWellName();
    updateLinks();
    updateClock();
}

void HeaderMainWindow::updateWellName()
{
    setTextIfChanged(m_wellLabel, wellName());
}

void HeaderMainWindow::updateLinks()
{
    MainApplication* app = MainApplication::getInstance();
    const bool down[4] = {
        app ? !app->isLinkUp() : false,
        value(702) == 0.0f && value(685) != 0.0f,
        value(703) == 0.0f && value(39) != 0.0f,
        value(704) == 0.0f && value(705) != 0.0f,
    };
    const QString letters[4] = {QObject::tr("К"), QObject::tr("Ч"), QObject::tr("Т"), QObject::tr("Э")};
    for (int i = 0; i < 4; ++i) {
        QLabel* label = m_connectLabels[i];
        label->setVisible(down[i]);
        if (!label->isHidden())
            setTextIfChanged(label, letters[i]);
    }
    m_usbLabel->setVisible(value(872) != 0.0f);
}

void HeaderMainWindow::updateClock()
{
    // Until the controller has reported its clock there is nothing to show.
    if (rawValue(562) == 0xFFFFFFFFu)
        return;
    const QDateTime time = QDateTime::fromSecsSinceEpoch(rawValue(562), Qt::UTC);
    setTextIfChanged(m_timeLabel, time.toString(QStringLiteral("hh:mm:ss")));
    setTextIfChanged(m_dateLabel, time.toString(QStringLiteral("dd.MM.yyyy")));
}

void HeaderMainWindow::showProgress(bool on)
{
    if (on)
        ++m_busyCount;
    else if (m_busyCount >= 1)
        --m_busyCount;
    m_progressLabel->setVisible(m_busyCount != 0);
    if (on && m_busyCount == 1)
        m_movie->start();
    else if (m_busyCount == 0)
        m_movie->stop();
}
