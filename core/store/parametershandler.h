#ifndef PARAMETERSHANDLER_H
#define PARAMETERSHANDLER_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "update.h"

class NetworkApplier;
class Parameters;

// Carries out the actions bound to parameter values: network, clock, power,
// software update, SCADA protocol, language, NTP, archive notices, the
// station's blocked / restart / delay condition and a new synchronisation.
class ParametersHandler : public QObject
{
    Q_OBJECT
public:
    explicit ParametersHandler(Parameters* parent);

    QString accessPointName() const { return m_apName; }
    bool isClockSet() const { return m_clockSet; }
    Update* update() const { return m_update; }
    // Whether the main window stands: the update ended (763 = 0) is released
    // only then. Told by whoever builds and removes the window.
    void setWindowBuilt(bool built) { m_windowBuilt = built; }

public slots:
    void slotParamUpdated(quint16 id, quint8 cmd);
    void setWifi();

signals:
    void signalCcsBlock(bool block);
    void signalCcsRestart(bool restart);
    void signalCcsDelay();
    void signalLogCopyStart();
    void signalLogCopyFinish();
    void signalLogDelFinish();
    void signalShowUsbConnectDialog();
    void signalIndicationDelay();
    void signalSyncAllParams();
    void signalShowWaitDialog(bool show);
    void signalSoftwareRead(quint32 addr, quint16 size);
    void signalSoftwareRead(quint32 addr, quint16 size, quint8* buf);
    // The update has ended: the link drops its memory read.
    void signalSoftwareReadCancel();
    // The update's hiding of the main window while the updater replaces the
    // program, and its showing again when the updater cannot be started.
    void signalHideMainWindow();
    void signalShowMainWindow();
    void signalShowErrorDialog(int error);
    // The interface language has changed and the program's texts are
    // translated anew: the menus are built again in it, the cursor on their
    // first entry.
    void signalLanguageChanged();
    // The screen's backlight goes on (a report of the language or of 1209).
    void signalSetBacklight(bool enable);
    // The controller has begun a software update (757): its progress dialog.
    void signalShowUpdateDialog();
    // The key light, switched off before the station powers off.
    void signalSetHlKeyboard(int enable);
    // The language (570) is loaded anew, before the menus are rebuilt in it:
    // the receiver must run at once (a direct connection).
    void signalTranslateApplication();
    // The SCADA protocol (578) has changed: the register map is built anew.
    void signalInitScada();
    // An NTP setting (1353-1358, 1367) has been reported: the request timer
    // is re-armed.
    void signalSetSyncTimerNtp();
    // Power-off or reboot has been started: the program ends. The receiver
    // must run at once, at the point of the command.
    void signalRequestQuit();

private:
    void changedCondition(int state);
    void changedConditionFlag(int flag);
    void updateAccessPointName();
    void setDateTime();
    void cmdPowerOff();
    void cmdReboot();
    void cmdUpdate();

    Parameters* m_store;
    float m_prevPowerOff = 0.0f;
    float m_prevReboot = 0.0f;
    float m_prevScada = -1.0f;
    float m_prevLogDel = -1.0f;
    float m_prevLanguage = -1.0f;
    QString m_apName;
    bool m_clockSet = false;
    bool m_windowBuilt = false;
    QPointer<Update> m_update;
    // The address, the mask and the gateway, applied as one setting.
    NetworkApplier* m_network;
    QTimer m_wifiTimer;
};

#endif // PARAMETERSHANDLER_H
