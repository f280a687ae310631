#include "analog_output4_form.h"

AnalogOutput4Form::AnalogOutput4Form(QWidget* parent)
    : AnalogOutputsForm(1618, 1628, 1632, 1636, 1622, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Аналоговый выход 4"));
}

void AnalogOutput4Form::slotParamUpdated(quint16 id)
{
    // The type and the source choose the rows.
    if (id == typeId() || id == sourceId())
        rebuildPage();
}
