#include "statistics_form.h"

#include "basestatustextwidget.h"
#include "common.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "notebook_menu.h"
#include "parameterdef.h"

#include <QLabel>
#include <cmath>

namespace {

const quint16 StartReasonId = 533;
const quint16 StopReasonId = 535;

// Run and idle times, energies, program, time to start, last switch-on.
const quint16 FirstNumbers[] = {526, 527, 528, 529, 20028, 20039, 20036, 20047, 20032, 20043, 530, 531, 532};

// The reason of the last stop. Its codes run to 65534: rather than name every
// one of them each time the page is built, the row names the code it shows
// when it shows it. Any code from 0 to 65534 gets its text, as from a list of
// them all; another value leaves the row as it is, as a value outside a row's
// list does.
class StopReasonRow : public BaseStatusTextWidget
{
public:
    using BaseStatusTextWidget::BaseStatusTextWidget;

    void slotUpdateValue() override
    {
        if (!isValid())
            return;
        const float value = m_def->valueFloat();
        if (!(value >= 0.0f && value <= float(StatisticsForm::LastStopReason)) || value != std::trunc(value))
            return;
        const QString text = Common::getTextReasonStop(static_cast<int>(value));
        if (valueTextLabel()->text() != text)
            valueTextLabel()->setText(text);
    }
};

PairList startReasonList()
{
    PairList list;
    for (int code = 0; code <= StatisticsForm::LastStartReason; ++code)
        list.append(code, Common::getTextReasonRun(code));
    return list;
}

} // namespace

StatisticsForm::StatisticsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Статистика"));
}

void StatisticsForm::createForm()
{
    for (quint16 id : FirstNumbers)
        addStatusNum(id, false);
    addStatusText(StartReasonId, startReasonList());
    addStatusNum(534, false); // last stop time

    auto* stopReason = new StopReasonRow(StopReasonId, rowCount(), contentWidget());
    stopReason->setName(Common::getTextFromId(StopReasonId));
    appendRow(stopReason, true);

    addStatusNum(536, false); // last frequency change
    addStatusNum(537, false); // the frequency before it
}

void StatisticsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(NotebookMenu::staticMetaObject.className()));
}
