#include "save_configuration_form.h"

#include "configurations_form.h"
#include "mainwindow.h"
#include "operator_command.h"
#include "options_menu.h"

SaveConfigurationForm::SaveConfigurationForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Сохранение уставок в профиль"));
}

void SaveConfigurationForm::createForm()
{
    addButton(ConfigurationsForm::profileText(1), SLOT(saveConfig1()), QPixmap());
    addButton(ConfigurationsForm::profileText(2), SLOT(saveConfig2()), QPixmap());
    addButton(ConfigurationsForm::profileText(3), SLOT(saveConfig3()), QPixmap());
    addButton(ConfigurationsForm::profileText(4), SLOT(saveConfig4()), QPixmap());
    addButton(ConfigurationsForm::profileText(5), SLOT(saveConfig5()), QPixmap());
}

void SaveConfigurationForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(OptionsMenu::createNextForm(),
                        QLatin1String(ConfigurationsForm::staticMetaObject.className()));
}

void SaveConfigurationForm::showSaveDialog(int profile)
{
    if (!OperatorCommand::isAccess(this, ConfigurationsForm::IdSaveProfile))
        return;
    if (!OperatorCommand::ask(QObject::tr("Сохранить уставки в профиль %1?").arg(profile), this))
        return;
    OperatorCommand::writeWithProgress(ConfigurationsForm::IdSaveProfile, profile,
                                       QObject::tr("Сохранение уставок в профиль %1...").arg(profile));
}

void SaveConfigurationForm::saveConfig1()
{
    showSaveDialog(1);
}

void SaveConfigurationForm::saveConfig2()
{
    showSaveDialog(2);
}

void SaveConfigurationForm::saveConfig3()
{
    showSaveDialog(3);
}

void SaveConfigurationForm::saveConfig4()
{
    showSaveDialog(4);
}

void SaveConfigurationForm::saveConfig5()
{
    showSaveDialog(5);
}
