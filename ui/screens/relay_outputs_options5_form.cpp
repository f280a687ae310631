#include "relay_outputs_options5_form.h"

RelayOutputsOptions5Form::RelayOutputsOptions5Form(QWidget* parent)
    : RelayOutputsOptionsForm(1730, 1742, 1754, 1766, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 5"));
}

void RelayOutputsOptions5Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
