#include "analog_output3_form.h"

AnalogOutput3Form::AnalogOutput3Form(QWidget* parent)
    : AnalogOutputsForm(1617, 1627, 1631, 1635, 1621, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Аналоговый выход 3"));
}

void AnalogOutput3Form::slotParamUpdated(quint16 id)
{
    // The type and the source choose the rows.
    if (id == typeId() || id == sourceId())
        rebuildPage();
}
