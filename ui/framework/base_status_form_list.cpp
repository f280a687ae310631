// The main status carousel: the current-parameter pages, in the order and
// under the conditions of the current-parameter menu, so that menu entry k
// opens page k of the same list.
#include "base_status_form.h"

#include "current_params_menu.h"

QList<BaseForm*> BaseStatusForm::createNextForm()
{
    return MenuEntry::createForms(CurrentParamsMenu::pageEntries());
}
