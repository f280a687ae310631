#include "current_extended_params_form.h"

namespace {

const quint16 analogOutputs[] = {1619, 1620, 1621, 1622};  // left rows 0 to 3
const quint16 leftInputs[] = {1774, 1775, 1776, 1777};     // left rows 4 to 7
const quint16 rightInputs[] = {1778, 1779, 1780, 1781, 1782, 1783, 1784, 1785}; // right rows 0 to 7

} // namespace

CurrentExtendedParamsForm::CurrentExtendedParamsForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры платы расширений"));
}

void CurrentExtendedParamsForm::createForm()
{
    PairList contacts;
    contacts.append(0, QObject::tr("Замкнут"));
    contacts.append(1, QObject::tr("Разомкнут"));

    for (int i = 0; i < 4; ++i)
        addStatusNum(analogOutputs[i], i, 0);
    for (int i = 0; i < 4; ++i)
        addStatusText(leftInputs[i], contacts, 4 + i, 0);
    for (int i = 0; i < 8; ++i)
        addStatusText(rightInputs[i], contacts, i, 1);
}
