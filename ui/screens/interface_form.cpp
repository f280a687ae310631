#include "interface_form.h"

#include "common.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "options_menu.h"

namespace {

PairList textList(QString (*text)(unsigned short), const QList<int>& codes)
{
    PairList list;
    for (int code : codes)
        list.append(code, text(static_cast<unsigned short>(code)));
    return list;
}

PairList backlightList()
{
    PairList list;
    for (int level = 1; level <= 10; ++level)
        list.append(level, Common::getTextBacklight(static_cast<unsigned short>(level)));
    return list;
}

} // namespace

InterfaceForm::InterfaceForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Интерфейс"));
}

void InterfaceForm::createForm()
{
    const QList<int> onOff = QList<int>() << 0 << 1;
    // A new language is applied by the settings applier, which also builds
    // the menus again in it: this screen goes with them.
    addComboBox(570, textList(&Common::getTextLanguage, QList<int>() << 0 << 1 << 2));
    // Listed in the order the operators know, not by code.
    addComboBox(1330, textList(&Common::getTextOilCompany, QList<int>() << 0 << 1 << 2 << 4 << 3));
    addEdit(762);
    addEdit(473);
    addComboBox(1372, textList(&Common::getTextOnOff, onOff));
    addComboBox(1178, textList(&Common::getTextTypeVolt, onOff));
    addComboBox(1208, backlightList());
    addComboBox(1209, backlightList());
    addComboBox(1477, textList(&Common::getTextActionUsbConnect, QList<int>() << 0 << 1 << 2));
    addComboBox(2051, textList(&Common::getTextOnOff, onOff));
}

void InterfaceForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(OptionsMenu::staticMetaObject.className()));
}
