#include "corrections_current_trans.h"

#include "corrections_form.h"
#include "corrections_rows.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

CorrectionsCurrentTrans::CorrectionsCurrentTrans(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка токов трансформатора"));
}

void CorrectionsCurrentTrans::createForm()
{
    CorrectionsRows::CurrentTrans.build(this);
}

void CorrectionsCurrentTrans::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
