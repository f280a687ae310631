#include "correction_ai.h"

#include "common.h"
#include "corrections_form.h"
#include "mainwindow.h"
#include "technolog_params_menu.h"

namespace {

struct AnalogInput
{
    quint16 type;
    quint16 sign;
    quint16 offset;
    quint16 coefficient;
    quint16 value;
};

//                                  type  sign  offset coefficient value
const AnalogInput Inputs[] = {
    /* analog input 5 */ {1100, 1083, 1082, 1084, 821},
    /* analog input 6 */ {1071, 1085, 1063, 1064, 1062},
    /* analog input 7 */ {1072, 1086, 1066, 1067, 1065},
    /* analog input 8 */ {1073, 1087, 1069, 1070, 1068},
};

PairList typeList()
{
    PairList list;
    list.append(0, Common::getTextTypeAI(0));
    list.append(1, Common::getTextTypeAI(1));
    return list;
}

// The sign is stored as -1 or 1, never 0.
PairList signList()
{
    PairList list;
    list.append(-1, QStringLiteral("-"));
    list.append(1, QStringLiteral("+"));
    return list;
}

} // namespace

CorrectionAI::CorrectionAI(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Корректировка аналоговых входов"));
}

void CorrectionAI::createForm()
{
    const PairList types = typeList();
    const PairList signs = signList();
    for (const AnalogInput& input : Inputs) {
        addComboBox(input.type, types);
        addComboBox(input.sign, signs);
        addEdit(input.offset);
        addEdit(input.coefficient);
        addStatusNum(input.value, false);
    }
}

void CorrectionAI::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(TechnologParamsMenu::createNextForm(), QLatin1String(CorrectionsForm::staticMetaObject.className()));
}
