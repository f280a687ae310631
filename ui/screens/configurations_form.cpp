#include "configurations_form.h"

#include "common.h"
#include "load_configuration_form.h"
#include "logo_marker.h"
#include "mainapplication.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "operator_command.h"
#include "options_menu.h"
#include "parameterdef.h"
#include "parameters.h"
#include "save_configuration_form.h"

namespace {

// The user's own set; the factory set is 0, the profiles 1 to 5.
const int UserSetCode = 6;

const char* const ProfileTexts[ConfigurationsForm::ProfileCount] = {
    QT_TRANSLATE_NOOP("QObject", "Профиль 1"), QT_TRANSLATE_NOOP("QObject", "Профиль 2"),
    QT_TRANSLATE_NOOP("QObject", "Профиль 3"), QT_TRANSLATE_NOOP("QObject", "Профиль 4"),
    QT_TRANSLATE_NOOP("QObject", "Профиль 5")};

} // namespace

ConfigurationsForm::ConfigurationsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Конфигурации"));
}

QList<BaseForm*> ConfigurationsForm::createNextForm()
{
    return QList<BaseForm*>() << new SaveConfigurationForm << new LoadConfigurationForm;
}

quint32 ConfigurationsForm::storedProfiles()
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    if (!parameters)
        return 0u;
    // A set of bits, not a number: read as the controller sends it. A value
    // never received offers nothing.
    const quint32 stored = parameters->getU32(IdStoredProfiles);
    return stored == ParameterDef::InvalidValue ? 0u : stored;
}

bool ConfigurationsForm::anyProfileStored(quint32 stored)
{
    for (int profile = 1; profile <= ProfileCount; ++profile) {
        if (isProfileStored(stored, profile))
            return true;
    }
    return false;
}

bool ConfigurationsForm::isProfileStored(quint32 stored, int profile)
{
    return profile >= 1 && profile <= ProfileCount && (stored & (1u << (profile - 1))) != 0;
}

QString ConfigurationsForm::profileText(int profile)
{
    if (profile < 1 || profile > ProfileCount)
        return QString();
    return QObject::tr(ProfileTexts[profile - 1]);
}

PairList ConfigurationsForm::defaultProfileList(quint32 stored, bool logoMarker)
{
    PairList list;
    list.append(0, logoMarker ? QStringLiteral("Riduri") : Common::getTextConfiguration(0));
    list.append(UserSetCode, Common::getTextConfiguration(UserSetCode));
    for (int profile = 1; profile <= ProfileCount; ++profile) {
        if (isProfileStored(stored, profile))
            list.append(profile, Common::getTextConfiguration(static_cast<unsigned short>(profile)));
    }
    return list;
}

void ConfigurationsForm::createForm()
{
    addButton(QObject::tr("Сохранить конфигурацию на USB носитель"), SLOT(saveConfigUsb()), QPixmap());
    addButton(QObject::tr("Загрузить конфигурацию с USB носителя"), SLOT(loadConfigUsb()), QPixmap());
    addButton(QObject::tr("Сохранить уставки в профиль"));
    addButton(QObject::tr("Загрузить уставки из профиля"));
    // Read once: a profile saved while the screen is open is offered the
    // next time it is opened.
    addComboBox(IdDefaultProfile, defaultProfileList(storedProfiles(), LogoMarker::exists()));
    addButton(QObject::tr("Сбросить все уставки по умолчанию"), SLOT(showResetDefaultDialog()), QPixmap());
}

void ConfigurationsForm::setFormsList()
{
    BaseForm::setFormsList(createNextForm());
}

void ConfigurationsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(OptionsMenu::staticMetaObject.className()));
}

void ConfigurationsForm::showProgressBarDialog(quint16 id, QString text)
{
    OperatorCommand::writeWithProgress(id, 1, text);
}

void ConfigurationsForm::saveConfigUsb()
{
    if (!OperatorCommand::isAccess(this, IdSaveUsb))
        return;
    if (!OperatorCommand::ask(QObject::tr("Сохранить конфигурацию на USB накопитель?"), this))
        return;
    showProgressBarDialog(IdSaveUsb, QObject::tr("Сохранение конфигурации на USB накопитель..."));
}

void ConfigurationsForm::loadConfigUsb()
{
    if (!OperatorCommand::isAccess(this, IdLoadUsb))
        return;
    if (OperatorCommand::refuseLoad(QObject::tr("Для загрузки конфигурации остановите двигатель!"), this))
        return;
    if (!OperatorCommand::ask(QObject::tr("Загрузить конфигурацию с USB накопителя?"), this))
        return;
    showProgressBarDialog(IdLoadUsb, QObject::tr("Загрузка конфигурации с USB накопителя..."));
}

void ConfigurationsForm::showResetDefaultDialog()
{
    if (!OperatorCommand::isAccess(this, IdResetDefaults))
        return;
    if (!OperatorCommand::ask(QObject::tr("Сбросить значения всех уставок по умолчанию?"), this))
        return;
    // A reset has no progress to follow.
    OperatorCommand::write(IdResetDefaults, 1);
}
