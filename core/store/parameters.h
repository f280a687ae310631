#ifndef PARAMETERS_H
#define PARAMETERS_H

#include "parameterdef.h"

#include <QHash>
#include <QObject>
#include <QSet>
#include <QVector>

class ParametersHandler;

// The program's mirror of the controller's parameters. Loaded once from the
// parameter database; after loading the table's shape never changes, so the
// const reads below are safe from any thread while the GUI thread stores.
class Parameters : public QObject
{
    Q_OBJECT
public:
    // Kinds of update: the SPI command that read it.
    enum UpdateKind : quint8 { KindValue = 2, KindMin = 7, KindMax = 8, KindPhysic = 15 };

    // Station-wide unit choices for five quantities.
    enum : quint16 {
        IdUnitPressure = 585,
        IdUnitTemperature = 586,
        IdUnitAcceleration = 587,
        IdUnitFlow = 589,
        IdUnitMotorPower = 1650
    };

    explicit Parameters(QObject* parent = nullptr);
    ~Parameters() override;

    float get(quint16 id) const;
    quint32 getU32(quint16 id) const;
    ParameterDef* getParameter(quint16 id) const;
    float getMin(quint16 id) const;
    float getMax(quint16 id) const;
    quint32 getData(quint16 id) const;
    quint8 getAccess(quint16 id) const;
    quint8 getOperation(quint16 id) const;
    quint32 getPhysic(quint16 id) const;
    quint8 getValidity(quint16 id) const;

    QString getTextUnit(const ParameterDef* def) const;
    float convertFrom(float value, const ParameterDef* def, bool allTime, bool userUnits) const;
    float convertTo(float value, const ParameterDef* def, bool allTime) const;

    // Every id of the table in ascending order (the order of a synchronisation).
    const QVector<quint16>& ids() const { return m_ids; }
    int count() const { return m_ids.size(); }
    bool isSyncRunning() const { return m_syncRunning; }
    ParametersHandler* handler() const { return m_handler; }

public slots:
    int set(quint16 id, quint32 value, int flag = 1);
    int set(quint16 id, float value, int flag = 1);
    int set(quint16 id, int value, int flag = 1);
    void slotParamUpdated(quint16 id, quint32 value, quint8 cmd);
    void syncAllParams();

signals:
    void signalSyncBegin(int paramsCount);
    void signalSyncCount(int count);
    void signalSyncEnd();
    void signalParamUpdated(quint16 id, quint8 cmd = 0);
    void signalParamRead(quint16 id);
    void signalParamWrite(quint16 id, quint32 value, int eventType);
    void signalMinRead(quint16 id);
    void signalMaxRead(quint16 id);
    void signalPhysicRead(quint16 id);

private:
    void init();
    // Unit index a conversion or unit text uses for a parameter of the
    // quantity code physic whose own display unit is unitOut.
    quint8 userUnit(quint32 physic, quint8 unitOut) const;

    ParametersHandler* m_handler = nullptr;
    QHash<quint16, ParameterDef*> m_params;
    QVector<quint16> m_ids;
    bool m_syncRunning = false;
    QSet<quint16> m_awaitValues;
    QSet<quint16> m_awaitMin;
    QSet<quint16> m_awaitMax;
    QSet<quint16> m_awaitPhysic;
};

#endif // PARAMETERS_H
