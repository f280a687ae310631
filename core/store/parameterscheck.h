#ifndef PARAMETERSCHECK_H
#define PARAMETERSCHECK_H

#include <QHash>
#include <QObject>
#include <QTimer>

class Parameters;

struct ParameterCheckDef
{
    bool confirmed = false;
    quint32 value = 0;
};

// Keeps, per setting critical for running the pump, whether the operator has
// confirmed it in the settings wizard; a change made outside the editing
// window withdraws every confirmation. The overall result goes to 1418.
class ParametersCheck : public QObject
{
    Q_OBJECT
public:
    static constexpr int generalIdListSize = 24;
    static const quint16 generalIdList[generalIdListSize];
    static constexpr int filterIdListSize = 3;
    static const quint16 filterIdList[filterIdListSize];
    static constexpr int EditingWindowMs = 1800000;

    // Keeps the confirmations of the store given.
    explicit ParametersCheck(Parameters* store, QObject* parent = nullptr);
    ~ParametersCheck() override;

    bool isConfirmed();
    // Whether one critical parameter is confirmed (false for any other id).
    bool isConfirmed(quint16 id) const;
    bool isEditingWindowOpen() const { return m_timer.isActive(); }
    // Which inductance the motor calculation uses (1329): with 0 the full
    // reactance 697 is not needed, with 1 the inductance 696 is not.
    static quint16 inductanceSource(const Parameters* store);

public slots:
    void slotSetValueParam(quint16 id, quint32 value);
    void slotParamUpdated(quint16 id);
    void resetConfirm();

private:
    bool isRequired(quint16 id) const;
    bool filterOn() const;

    Parameters* m_store;
    QHash<quint16, ParameterCheckDef*> m_general;
    QHash<quint16, ParameterCheckDef*> m_filter;
    QTimer m_timer;
};

#endif // PARAMETERSCHECK_H
