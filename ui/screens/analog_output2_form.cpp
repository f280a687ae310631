#include "analog_output2_form.h"

AnalogOutput2Form::AnalogOutput2Form(QWidget* parent)
    : AnalogOutputsForm(1616, 1626, 1630, 1634, 1620, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Аналоговый выход 2"));
}

void AnalogOutput2Form::slotParamUpdated(quint16 id)
{
    // The type and the source choose the rows.
    if (id == typeId() || id == sourceId())
        rebuildPage();
}
