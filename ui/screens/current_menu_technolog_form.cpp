#include "current_menu_technolog_form.h"

#include "common.h"
#include "current_params_cells.h"

CurrentMenuTechnologForm::CurrentMenuTechnologForm(QWidget* parent)
    : BaseStatusForm(parent)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Текущие параметры технолога"));
}

void CurrentMenuTechnologForm::createForm()
{
    CurrentParamsCells::placeRunModeRows(this, gridLayout());

    // Slots 1 to 7 down the left column from row 2, 8 to 14 down the right one.
    for (int slot = 0; slot < SlotCount; ++slot) {
        const quint16 id = CurrentParamsCells::value16(static_cast<quint16>(FirstSlotId + slot));
        addStatusNum(Common::getTextParamMenuTechnolog(id), id, 2 + slot % 7, slot / 7);
    }
}
