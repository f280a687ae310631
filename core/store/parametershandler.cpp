#include "parametershandler.h"
#include "network_applier.h"
#include "number_text.h"
#include "parameters.h"
#include "saturate.h"
#include "systemcommands.h"
#include "test_switch.h"
#include "update.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDebug>
#include <QRegularExpression>

namespace {

// Kinds that never act: limits, the quantity code and the "no kind" default.
constexpr quint16 IgnoredKinds = 0x8181;

} // namespace

ParametersHandler::ParametersHandler(Parameters* parent)
    : QObject(parent)
    , m_store(parent)
    , m_network(new NetworkApplier(parent, this))
    , m_wifiTimer(this)
{
    m_wifiTimer.setSingleShot(true);
    m_wifiTimer.setInterval(2000);
    connect(&m_wifiTimer, &QTimer::timeout, this, &ParametersHandler::setWifi);
}

void ParametersHandler::slotParamUpdated(quint16 id, quint8 cmd)
{
    if (cmd < 16 && (IgnoredKinds & (1u << cmd)))
        return;
    // The store's own validity: a clock value late in 2037 is a NaN as a
    // float and still a valid date-time.
    if (!m_store->getValidity(id))
        return;

    const float v = m_store->get(id);

    switch (id) {
    case 13:
        changedCondition(saturatingInt(v));
        break;
    case 517:
    case 1661:
    case 1662:
        updateAccessPointName();
        break;
    case 562:
        if (!m_clockSet)
            setDateTime();
        break;
    case 570:
        if (v != m_prevLanguage) {
            emit signalTranslateApplication();
            // Only the menus are rebuilt in the new language: the cursor on
            // the first entry, nothing of the start-up (block or restart
            // screen, update notice) comes back.
            emit signalLanguageChanged();
            m_prevLanguage = v;
        }
        emit signalSetBacklight(true);
        break;
    case 578:
        if (v != m_prevScada) {
            emit signalInitScada();
            m_prevScada = v;
        }
        break;
    case 594:
        if (v == 1.0f) {
            emit signalLogCopyStart();
        } else if (v == 2.0f) {
            m_store->set(594, 0, 1);
            emit signalLogCopyFinish();
        }
        break;
    case 595:
        if (v == 0.0f && m_prevLogDel == 1.0f)
            emit signalLogDelFinish();
        m_prevLogDel = v;
        break;
    case 633:
        changedConditionFlag(saturatingInt(v));
        break;
    case 694:
        if (v == 0.0f && m_prevPowerOff == 1.0f)
            cmdPowerOff();
        else if (v == 1.0f && m_prevPowerOff == 0.0f)
            m_store->set(694, 0, 1);
        m_prevPowerOff = v;
        break;
    case 757:
        if (v == 1.0f || v == 3.0f)
            emit signalShowUpdateDialog();
        break;
    case 759:
        if (v == 0.0f && m_prevReboot == 1.0f)
            cmdReboot();
        else if (v == 1.0f && m_prevReboot == 0.0f)
            m_store->set(759, 0, 1);
        m_prevReboot = v;
        break;
    case 760:
        if (v != 0.0f) {
            m_store->set(760, 0, 1);
            emit signalSyncAllParams();
        }
        break;
    case 761:
    case 1031:
    case 1394:
    case 1729:
        emit signalShowWaitDialog(v != 0.0f);
        break;
    case 763:
        if (v == 1.0f) {
            cmdUpdate();
        } else if (v == 0.0f && m_update) {
            // Released, though not before the window is built, nor while it
            // is the update that keeps the window hidden for the updater it
            // started, which is about to replace the program.
            if (m_windowBuilt && !m_update->windowHidden()) {
                m_update->deleteLater();
                m_update = nullptr;
            }
        }
        break;
    case 765:
        if (v != 0.0f)
            emit signalShowErrorDialog(saturatingInt(v));
        break;
    case 864: case 865: case 866: case 867:
    case 868: case 869: case 870: case 871:
        m_network->reported();
        break;
    case 1209:
        emit signalSetBacklight(true);
        break;
    case 1353: case 1354: case 1355: case 1356: case 1357: case 1358: case 1367:
        emit signalSetSyncTimerNtp();
        break;
    case 1478:
        if (v == 1.0f)
            emit signalShowUsbConnectDialog();
        break;
    case 1513:
        if (v != 0.0f)
            emit signalIndicationDelay();
        break;
    case 2052: case 2053: case 2054: case 2055:
        m_network->reported();
        break;
    default:
        break;
    }
}

void ParametersHandler::changedCondition(int state)
{
    if (saturatingInt(m_store->get(633)) == 2 && state == 0)
        emit signalCcsRestart(true);
}

void ParametersHandler::changedConditionFlag(int flag)
{
    if (flag == 1) {
        if (!(m_store->get(685) == 1.0f && m_store->get(843) == 0.0f))
            emit signalCcsDelay();
        emit signalCcsBlock(false);
    } else if (flag == 3) {
        emit signalCcsBlock(true);
    } else {
        emit signalCcsBlock(false);
    }

    const int motor = saturatingInt(m_store->get(13));
    if (flag == 2) {
        if (motor == 0)
            emit signalCcsRestart(true);
    } else {
        emit signalCcsRestart(false);
    }
}

void ParametersHandler::updateAccessPointName()
{
    QString name;
    const quint32 first = m_store->getU32(1661);
    if (m_store->get(1663) == 1.0f && first != 0) {
        QByteArray bytes;
        for (quint32 word : {first, m_store->getU32(1662)})
            for (int i = 0; i < 4; ++i)
                bytes.append(static_cast<char>((word >> (8 * i)) & 0xFF));
        const int zero = bytes.indexOf('\0');
        name = QString::fromUtf8(zero < 0 ? bytes : bytes.left(zero));
    } else {
        name = numberText(static_cast<double>(m_store->get(517)));
    }
    if (name != m_apName)
        m_apName = name;
}

void ParametersHandler::setDateTime()
{
    m_clockSet = true;
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(m_store->getU32(562)), Qt::UTC);
    const QString text = moment.toString("yyyy.MM.dd-hh:mm:ss");
    qDebug() << "Set date time" << text;
    const bool started = SystemCommands::startDetached("/bin/date", {"-s", text});
    qDebug() << "date started:" << started;
}

void ParametersHandler::cmdPowerOff()
{
    qDebug() << "Power Off...";
    emit signalSetHlKeyboard(0);
    SystemCommands::startDetached("/sbin/poweroff", {});
    emit signalRequestQuit();
}

void ParametersHandler::cmdReboot()
{
    qDebug() << "Reboot...";
    const bool started = SystemCommands::startDetached("/sbin/reboot", {});
    qDebug() << "reboot started:" << started;
    emit signalRequestQuit();
}

void ParametersHandler::cmdUpdate()
{
    // A repeated request while an image is being read would take the one
    // memory-read slot of the link from the running update; once the image
    // is installed, it would delete the update before it starts the updater
    // and leave the screen it hid blank. Once the updater has been started,
    // the update is over: the updater may have ended without replacing the
    // program, and the controller may try again.
    if (m_update && (m_update->state() == Update::ReadingProbe || m_update->state() == Update::ReadingHeader
                     || m_update->state() == Update::ReadingImage || m_update->state() == Update::Installed)) {
        qWarning() << "Update already running, request ignored";
        return;
    }
    // The window an earlier update hid for its updater stays out of sight,
    // and the new update is the one that keeps it so: 763 = 0 does not
    // release it while the window is hidden.
    const bool windowHidden = m_update && m_update->windowHidden();
    if (m_update)
        m_update->deleteLater();
    m_update = new Update;
    if (windowHidden)
        m_update->takeOverHiddenWindow();
    connect(m_update, &Update::signalRead, this,
            static_cast<void (ParametersHandler::*)(quint32, quint16)>(&ParametersHandler::signalSoftwareRead));
    connect(this, static_cast<void (ParametersHandler::*)(quint32, quint16, quint8*)>(
                      &ParametersHandler::signalSoftwareRead),
            m_update, &Update::slotRead);
    connect(m_update, &Update::signalReadCancel, this, &ParametersHandler::signalSoftwareReadCancel);
    // Both live in the GUI thread: each write is made when the update tells
    // it, so 763 = 0 is on its way to the controller before the updater starts.
    connect(m_update, &Update::signalResult, this, [this](int result) { m_store->set(Update::IdUpdate, result, 1); });
    connect(m_update, &Update::signalProgress, this, [this](float kib) { m_store->set(Update::IdProgress, kib, 1); });
    connect(m_update, &Update::signalHideWindow, this, &ParametersHandler::signalHideMainWindow);
    connect(m_update, &Update::signalShowWindow, this, &ParametersHandler::signalShowMainWindow);
    // Test seam: the process suites cannot wait out the 30 s answer time-out.
    bool ok = false;
    const int answerTimeoutMs = testSwitch("VRX_UPDATE_ANSWER_TIMEOUT_MS").toInt(&ok, 0);
    if (ok && answerTimeoutMs > 0)
        m_update->setAnswerTimeout(answerTimeoutMs);
}

void ParametersHandler::setWifi()
{
    qDebug() << "WIFI init...";
    // The name ends up between quotes in a comma-separated list of the access
    // point's settings: only what can neither end the field nor add one passes.
    // \A and \z bind the whole name: '$' would also match before a final
    // newline and let it through.
    static const QRegularExpression plainName(QStringLiteral("\\A[A-Za-z0-9_-]+\\z"));
    if (!plainName.match(m_apName).hasMatch()) {
        qWarning() << "WIFI init: access-point name" << m_apName
                   << "holds more than letters, digits, '_' and '-', not applied";
        return;
    }
    const QString ssid = QString("Well_%1").arg(m_apName);
    const QString address = "192.168.0.1";
    const QString passPhrase = "47301958";
    QByteArray output;
    SystemCommands::run("wpa_passphrase", {ssid, passPhrase}, 30000, &output);
    const int zero = output.indexOf('\0');
    const QString text = QString::fromLatin1(zero < 0 ? output : output.left(zero));
    // The key stands on a line of its own; wpa_passphrase also echoes the
    // name and the pass phrase on lines that start otherwise.
    static const QRegularExpression psk(QStringLiteral("^[ \\t]*psk=([0-9a-f]{64})[ \\t\\r]*$"),
                                        QRegularExpression::CaseInsensitiveOption
                                            | QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = psk.match(text);
    if (!match.hasMatch())
        return;
    const QString key = match.captured(1);
    const QList<QStringList> steps = {
        {"echo", "1", ">", "/proc/sys/net/ipv4/ip_forward"},
        {"ifconfig", "wlan0", address},
        {"killall", "udhcpd"},
        {"udhcpd", "/etc/udhcpd.conf"},
        {"iptables", "-t", "nat", "-A", "POSTROUTING", "-o", "eth0", "-j", "MASQUERADE"},
        {"iwpriv", "wlan0", "AP_SET_CFG",
         QString("ASCII_CMD=AP_CFG,SSID=\"%1\",SEC=\"wpa2-psk\",KEY=%2,CHANNEL=4,PREAMBLE=0,MAX_SCB=3,END")
             .arg(ssid, key)},
        {"unifi_config", "--dev", "/dev/unifiudi1", "--setap_cfg", "/home/root/ap.cfg"},
        {"iwpriv", "wlan0", "AP_BSS_STOP"},
        {"iwpriv", "wlan0", "AP_BSS_START"},
    };
    for (const QStringList& step : steps) {
        SystemCommands::run(step.first(), step.mid(1), 30000);
        QCoreApplication::processEvents();
    }
}
