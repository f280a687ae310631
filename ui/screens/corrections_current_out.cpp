#include "corrections_current_out.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsCurrentOut::CorrectionsCurrentOut(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка токов на выходе"));
}

void CorrectionsCurrentOut::createForm()
{
    CorrectionsRows::CurrentOut.build(this);
}

void CorrectionsCurrentOut::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
