#include "relay_outputs_options4_form.h"

RelayOutputsOptions4Form::RelayOutputsOptions4Form(QWidget* parent)
    : RelayOutputsOptionsForm(965, 1741, 1753, 1765, parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Релейный выход 4"));
}

void RelayOutputsOptions4Form::slotParamUpdated(quint16 id)
{
    // A new function changes the rows; the delay and the hold do not.
    if (id == functionId())
        rebuildPage();
}
