#include "counters_form.h"

#include "mainmenu.h"
#include "mainwindow.h"
#include "notebook_menu.h"
#include "screen_command.h"

namespace {

// The command that resets every counter of the page.
const quint16 ResetCountersId = 631;

} // namespace

CountersForm::CountersForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Счётчики"));
}

void CountersForm::createForm()
{
    // Starts; trips by overload, underload and the other protections;
    // automatic restarts after stops by voltage, overload, underload and
    // motor current unbalance.
    for (quint16 id = 518; id <= 525; ++id)
        addStatusNum(id, false);
    addButton(QObject::tr("Сброс счётчиков"), SLOT(resetCounters()), QPixmap());
}

void CountersForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(NotebookMenu::staticMetaObject.className()));
}

void CountersForm::resetCounters()
{
    ScreenCommand::run(this, ResetCountersId, 3, QObject::tr("Сбросить все счётчики?"), ScreenCommand::CheckAccess);
}
