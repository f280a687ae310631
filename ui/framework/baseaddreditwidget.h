#ifndef BASEADDREDITWIDGET_H
#define BASEADDREDITWIDGET_H

#include "basemultiparameditwidget.h"
#include "parameterdef.h"

// An IPv4 address over four parameters of one octet each, shown and typed as
// 192.168.001.010. An entry is written only when every octet passes its own
// parameter's range: then all four are written, in octet order, as the field
// shows them. An octet the controller never reported is written only when the
// operator typed it.
class BaseAddrEditWidget : public BaseMultiParamEditWidget
{
    Q_OBJECT
public:
    BaseAddrEditWidget(unsigned short id1, unsigned short id2, unsigned short id3, unsigned short id4, int index,
                       QWidget* parent = nullptr);

protected:
    void showValue(Parameters& parameters) override;
    bool commitEntry(const QString& text) override;
    bool keepStoredValue() override;

private:
    // The places of an octet in the field.
    static constexpr int OctetPlaces = 3;

    // The first octet's definition read as a date-time, which prepares the
    // field without a validator or a limit of decimals.
    ParameterDef m_fieldDef;
};

#endif // BASEADDREDITWIDGET_H
