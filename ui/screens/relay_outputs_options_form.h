#ifndef RELAY_OUTPUTS_OPTIONS_FORM_H
#define RELAY_OUTPUTS_OPTIONS_FORM_H

#include "baseform.h"

// The page of one relay output: what the relay does and, while it does
// something, how long it waits before it acts and how long it holds; for the
// station alarm also the stop reason it reacts to. Each relay is a subclass
// that passes its own parameter ids.
class RelayOutputsOptionsForm : public BaseForm
{
    Q_OBJECT
public:
    // The function that signals a station alarm: only it has a reason.
    static constexpr int StationAlarm = 8;
    static constexpr int LastFunction = 10;

    RelayOutputsOptionsForm(quint16 functionId, quint16 reasonId, quint16 delayId, quint16 holdId,
                            QWidget* parent);

    quint16 functionId() const { return m_functionId; }
    quint16 reasonId() const { return m_reasonId; }
    quint16 delayId() const { return m_delayId; }
    quint16 holdId() const { return m_holdId; }

    // The functions a relay can have.
    static PairList functionList();
    // The stop reasons the station-alarm function can react to, in the order offered.
    static PairList reasonList();

public slots:
    void createForm() override;
    void returnBackForm() override;
    virtual void slotParamUpdated(quint16 id);

protected:
    // Builds the relay pages anew and shows this one again with its new rows.
    void rebuildPage();

private:
    quint16 m_functionId;
    quint16 m_reasonId;
    quint16 m_delayId;
    quint16 m_holdId;
};

#endif // RELAY_OUTPUTS_OPTIONS_FORM_H
