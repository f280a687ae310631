#include "current_main_params_form.h"

#include "basestatuswidget.h"
#include "common.h"
#include "current_params_cells.h"
#include "regimeswidget.h"
#include "saturate.h"
#include "timestatewidget.h"

#include <QGridLayout>
#include <QVBoxLayout>

namespace {

const quint16 StationStateId = 13;      // 0 stopped
const quint16 MotorTypeId = 782;
const quint16 LoadId = 7;
const quint16 TurbineFrequencyId = 10;
const quint16 MotorControlId = 10006;
const quint16 RotationId = 10007;
const quint16 StartTypeId = 14;
const quint16 CurrentSourceId = 1519;   // 0: the current 6, else the current 1547
const quint16 MotorTemperatureSourceId = 1215;
const quint16 DhsTypeId = 39;
const quint16 OilCompanyId = 1330;
const quint16 LeakageId = 15092;        // active leakage, from the downhole sensor
const quint16 InsulationId = 11;        // insulation resistance, measured by the station

// The sensor makes that measure the active leakage.
bool showsLeakage()
{
    const int type = saturatingInt(CurrentParamsCells::value(DhsTypeId));
    switch (type) {
    case 9: case 13: case 18: case 19: case 21: case 22: case 23: case 25:
        return true;
    case 1:
        return CurrentParamsCells::value16(OilCompanyId) == 3;
    default:
        return false;
    }
}

PairList textList(int count, QString (*text)(unsigned short))
{
    PairList list;
    for (int code = 0; code < count; ++code)
        list.append(code, text(static_cast<unsigned short>(code)));
    return list;
}

} // namespace

CurrentMainParamsForm::CurrentMainParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Состояние"));
}

void CurrentMainParamsForm::createForm()
{
    QGridLayout* grid = gridLayout();
    CurrentParamsCells::placeRunModeRows(this, grid);

    addStatusNum(1, 2, 0);
    grid->addWidget(new TimeStateWidget, 2, 1);

    addStatusNum(CurrentParamsCells::value16(CurrentSourceId) == 0 ? 6 : 1547, 3, 0);
    addStatusText(MotorTypeId, textList(2, &Common::getTextTypeMtr), 3, 1);

    // Load and turbine frequency in one place, one of them visible at a time.
    auto* shared = new QWidget;
    auto* sharedLayout = new QVBoxLayout(shared);
    sharedLayout->setContentsMargins(0, 0, 0, 0);
    sharedLayout->setSpacing(0);
    m_load = addStatusNum(LoadId, 4, 0);
    m_turbine = addStatusNum(TurbineFrequencyId, 4, 0);
    grid->removeWidget(m_load);
    grid->removeWidget(m_turbine);
    sharedLayout->addWidget(m_load);
    sharedLayout->addWidget(m_turbine);
    grid->addWidget(shared, 4, 0);
    addStatusText(MotorControlId, textList(2, &Common::getTextMotorControl), 4, 1);

    addStatusNum(9, 5, 0);
    addStatusText(RotationId, textList(2, &Common::getTextRotation), 5, 1);

    addStatusNum(showsLeakage() ? LeakageId : InsulationId, 6, 0);
    addStatusText(StartTypeId, textList(13, &Common::getTextRgmRun), 6, 1);

    addStatusNumPsw(15002, 1039, 7, 0);
    grid->addWidget(new RegimesWidget, 7, 1, 2, 1);

    switch (CurrentParamsCells::value16(MotorTemperatureSourceId)) {
    case 0:
        addStatusNumPsw(15003, 1041, 8, 0);
        break;
    case 1:
        addStatusNumPsw(15048, 1042, 8, 0);
        break;
    default:
        break;
    }

    slotChangedCondition();
    // The swap shows within one period: a coarse timer could be late by 5%.
    m_conditionTimer.setTimerType(Qt::PreciseTimer);
    m_conditionTimer.setInterval(400 + (rand() % 10) * 20);
    connect(&m_conditionTimer, &QTimer::timeout, this, &CurrentMainParamsForm::slotChangedCondition);
    m_conditionTimer.start();
}

void CurrentMainParamsForm::slotChangedCondition()
{
    if (!m_load || !m_turbine)
        return;
    const bool stopped = saturatingInt(CurrentParamsCells::value(StationStateId)) == 0;
    m_turbine->setVisible(stopped);
    m_load->setVisible(!stopped);
}
