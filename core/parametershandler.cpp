#include "parametershandler.h"

ParametersHandler::ParametersHandler(QObject* parent)
    : QObject(parent)
{
}

void ParametersHandler::slotParamUpdated(quint16 id, quint8 cmd)
{
    Q_UNUSED(id);
    Q_UNUSED(cmd);
}
