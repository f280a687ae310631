#include "corrections_current_in.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsCurrentIn::CorrectionsCurrentIn(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка токов на входе"));
}

void CorrectionsCurrentIn::createForm()
{
    CorrectionsRows::CurrentIn.build(this);
}

void CorrectionsCurrentIn::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
