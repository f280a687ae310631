#include "relay_outputs_options12_form.h"

RelayOutputsOptions12Form::RelayOutputsOptions12Form(QWidget* parent)
    : RelayOutputsOptionsForm(1737, 1749, 1761, 1773, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 12"));
}

void RelayOutputsOptions12Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
