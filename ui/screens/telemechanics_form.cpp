#include "telemechanics_form.h"

#include "common.h"
#include "mainmenu.h"
#include "mainwindow.h"
#include "operator_command.h"
#include "options_menu.h"

namespace {

PairList onOffList()
{
    PairList list;
    list.append(0, Common::getTextOnOff(0));
    list.append(1, Common::getTextOnOff(1));
    return list;
}

// Plain labels: the code is the text.
PairList numberList(const QList<int>& codes)
{
    PairList list;
    for (int code : codes)
        list.append(code, QString::number(code));
    return list;
}

} // namespace

TelemechanicsForm::TelemechanicsForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Телемеханика"));
}

void TelemechanicsForm::createForm()
{
    // Listed in the order the operators know, not by code.
    PairList protocols;
    const int protocolCodes[] = {0, 1, 2, 12, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int code : protocolCodes)
        protocols.append(code, Common::getTextScadaType(static_cast<unsigned short>(code)));
    addComboBox(578, protocols);

    addEdit(580);
    addComboBox(581, numberList(QList<int>() << 1200 << 2400 << 4800 << 9600 << 19200 << 38400 << 57600 << 115200));

    PairList parity;
    parity.append(0, QStringLiteral("None"));
    parity.append(1, QStringLiteral("Odd"));
    parity.append(2, QStringLiteral("Even"));
    addComboBox(582, parity);

    addComboBox(583, numberList(QList<int>() << 1 << 2));
    addEdit(584);
    addComboBox(2087, onOffList());
    addAddrEdit(864, 865, 866, 867);
    addAddrEdit(868, 869, 870, 871);
    addAddrEdit(2052, 2053, 2054, 2055);
    addStatusNum(1654, false);
    addStatusNum(1655, false);
    addButton(QObject::tr("Сбросить счётчики"), SLOT(showResetCountersDialog()), QPixmap());
}

void TelemechanicsForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(MainMenu::createNextForm(), QLatin1String(OptionsMenu::staticMetaObject.className()));
}

void TelemechanicsForm::showResetCountersDialog()
{
    // Counting the link's quality is no setting: anyone may start it afresh.
    if (!OperatorCommand::ask(QObject::tr("Сбросить счётчики качества связи?"), this))
        return;
    OperatorCommand::write(IdResetCounters, 1);
}
