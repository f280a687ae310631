#ifndef PARAMETERSHANDLER_H
#define PARAMETERSHANDLER_H

#include <QObject>

// Carries out system actions bound to parameter values (network, date, power,
// SCADA protocol, language...). Receives every stored update with its kind.
class ParametersHandler : public QObject
{
    Q_OBJECT
public:
    explicit ParametersHandler(QObject* parent = nullptr);

public slots:
    void slotParamUpdated(quint16 id, quint8 cmd);

signals:
    void signalSyncAllParams();
    void signalShowWaitDialog(bool show);
    void signalLogDelFinish();
};

#endif // PARAMETERSHANDLER_H
