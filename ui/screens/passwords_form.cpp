#include "passwords_form.h"

#include "accessdialog.h"
#include "common.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "options_menu.h"

namespace {

const quint16 IdProtection = 571;

} // namespace

PasswordsForm::PasswordsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Пароли"));
    connect(this, &BaseForm::signalKeyFuncPress, this, &PasswordsForm::slotResetPassword);
}

void PasswordsForm::createForm()
{
    PairList onOff;
    onOff.append(0, Common::getTextOnOff(0));
    onOff.append(1, Common::getTextOnOff(1));
    addComboBox(IdProtection, onOff);

    PairList levels;
    levels.append(0, QObject::tr("Нет"));
    levels.append(1, QObject::tr("Оператор"));
    levels.append(2, QObject::tr("Технолог"));
    levels.append(3, QObject::tr("Сервис"));
    levels.append(4, QObject::tr("Супер"));
    addStatusText(AccessDialog::IdAccessLevel, levels);

    addPassEdit(AccessDialog::IdPasswordLevel1);
    addPassEdit(AccessDialog::IdPasswordLevel2);
    addPassEdit(AccessDialog::IdPasswordLevel3);
}

void PasswordsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(OptionsMenu::staticMetaObject.className()));
}

void PasswordsForm::slotResetPassword()
{
    // The reset code is the proof: no access level is asked for first.
    auto* dialog = new AccessDialog(0, QString(), this, true);
    dialog->exec();
}
