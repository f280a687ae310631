#include "current_vsd_params_form.h"

#include "baseeditwidget.h"
#include "common.h"
#include "current_params_cells.h"

#include <QGridLayout>
#include <QLabel>

namespace {

const quint16 FrequencySetpointId = 10002;
const quint16 DriveTypeId = 685;

} // namespace

CurrentVsdParamsForm::CurrentVsdParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры ЧРП"));
}

void CurrentVsdParamsForm::createForm()
{
    m_setpoint = new BaseEditWidget(FrequencySetpointId, 0);
    m_setpoint->setName(Common::getTextFromId(FrequencySetpointId));
    m_setpoint->unitLabel()->setFixedWidth(76);
    gridLayout()->addWidget(m_setpoint, 0, 0);
    CurrentParamsCells::place(this, CurrentParamsCells::vsdCells(CurrentParamsCells::value16(DriveTypeId)));

    // The cells take no cursor: Enter on the page is the way to the setpoint.
    connect(this, &BaseForm::signalKeyEnterPress, m_setpoint, &BaseEditWidget::slotEditingBegin);
    connect(m_setpoint, &BaseEditWidget::signalEditingEnd, this, [this]() { setFocus(); });
}
