#include "analog_output1_form.h"

AnalogOutput1Form::AnalogOutput1Form(QWidget* parent)
    : AnalogOutputsForm(1615, 1625, 1629, 1633, 1619, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Аналоговый выход 1"));
}

void AnalogOutput1Form::slotParamUpdated(quint16 id)
{
    // The type and the source choose the rows.
    if (id == typeId() || id == sourceId())
        rebuildPage();
}
