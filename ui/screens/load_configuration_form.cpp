#include "load_configuration_form.h"

#include "configurations_form.h"
#include "mainwindow.h"
#include "operator_command.h"
#include "options_menu.h"

namespace {

const char* const LoadSlots[ConfigurationsForm::ProfileCount] = {SLOT(loadConfig1()), SLOT(loadConfig2()),
                                                                 SLOT(loadConfig3()), SLOT(loadConfig4()),
                                                                 SLOT(loadConfig5())};

} // namespace

LoadConfigurationForm::LoadConfigurationForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Загрузка уставок из профиля"));
    connect(this, &BaseForm::signalShowForm, this, &LoadConfigurationForm::showWarning);
}

void LoadConfigurationForm::createForm()
{
    // Read once: a profile saved meanwhile is offered the next time.
    const quint32 stored = ConfigurationsForm::storedProfiles();
    for (int profile = 1; profile <= ConfigurationsForm::ProfileCount; ++profile) {
        if (ConfigurationsForm::isProfileStored(stored, profile))
            addButton(ConfigurationsForm::profileText(profile), LoadSlots[profile - 1], QPixmap());
    }
}

void LoadConfigurationForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(OptionsMenu::createNextForm(),
                        QLatin1String(ConfigurationsForm::staticMetaObject.className()));
}

void LoadConfigurationForm::showWarning()
{
    // Said exactly when the page has no button: the same set decides both.
    if (ConfigurationsForm::anyProfileStored(ConfigurationsForm::storedProfiles()))
        return;
    OperatorCommand::inform(QStringLiteral("%1\n%2").arg(QObject::tr("Профили для загрузки отсутствуют!"),
                                                          QObject::tr("Необходимо сохранить хотя бы один профиль")),
                            this);
}

void LoadConfigurationForm::showLoadDialog(int profile)
{
    if (!OperatorCommand::isAccess(this, ConfigurationsForm::IdLoadProfile))
        return;
    if (OperatorCommand::refuseLoad(QObject::tr("Для загрузки уставок остановите двигатель!"), this))
        return;
    if (!OperatorCommand::ask(QObject::tr("Загрузить уставки из профиля %1?").arg(profile), this))
        return;
    OperatorCommand::writeWithProgress(ConfigurationsForm::IdLoadProfile, profile,
                                       QObject::tr("Загрузка уставок из профиля %1...").arg(profile));
}

void LoadConfigurationForm::loadConfig1()
{
    showLoadDialog(1);
}

void LoadConfigurationForm::loadConfig2()
{
    showLoadDialog(2);
}

void LoadConfigurationForm::loadConfig3()
{
    showLoadDialog(3);
}

void LoadConfigurationForm::loadConfig4()
{
    showLoadDialog(4);
}

void LoadConfigurationForm::loadConfig5()
{
    showLoadDialog(5);
}
