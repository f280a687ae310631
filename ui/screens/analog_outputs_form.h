#ifndef ANALOG_OUTPUTS_FORM_H
#define ANALOG_OUTPUTS_FORM_H

#include "baseform.h"

// The page of one analog output of the extension board: its signal type and,
// with a type, the parameter it reproduces; with a source, the source's
// present value and the source values at the two ends of the output scale,
// shown and entered in the source's unit. Each output is a subclass that
// passes its own parameter ids.
class AnalogOutputsForm : public BaseForm
{
    Q_OBJECT
public:
    AnalogOutputsForm(quint16 typeId, quint16 sourceId, quint16 minimumId, quint16 maximumId, quint16 valueId,
                      QWidget* parent);

    quint16 typeId() const { return m_typeId; }
    quint16 sourceId() const { return m_sourceId; }
    quint16 minimumId() const { return m_minimumId; }
    quint16 maximumId() const { return m_maximumId; }
    quint16 valueId() const { return m_valueId; }

    // The signal types of an output.
    static PairList typeList();
    // The parameters an output can reproduce, after "none" (0).
    static PairList sourceList();

public slots:
    void createForm() override;
    void returnBackForm() override;
    virtual void slotParamUpdated(quint16 id);

protected:
    // Builds the analog-output pages anew and shows this one again with its new rows.
    void rebuildPage();

private:
    quint16 m_typeId;
    quint16 m_sourceId;
    quint16 m_minimumId;
    quint16 m_maximumId;
    quint16 m_valueId;
};

#endif // ANALOG_OUTPUTS_FORM_H
