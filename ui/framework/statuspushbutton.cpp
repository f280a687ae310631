#include "statuspushbutton.h"

#include "mainapplication.h"
#include "parameters.h"
#include "saturate.h"

#include <QPixmap>

namespace {

QPixmap firstImage(const PairList& list)
{
    return list.size() > 0 ? QPixmap(list.value(0)) : QPixmap();
}

} // namespace

StatusPushButton::StatusPushButton(int index, quint16 id, const QString& text, const PairList& list,
                                   QWidget* parent)
    : PushButton(index, text, firstImage(list), parent)
    , m_id(id)
    , m_list(list)
{
    if (list.size() > 0)
        m_iconPath = list.value(0);
    applyValue();
    MainApplication* app = MainApplication::getInstance();
    if (app && app->getParameters())
        connect(app->getParameters(), &Parameters::signalParamUpdated, this, &StatusPushButton::slotParamUpdated);
}

void StatusPushButton::slotParamUpdated(quint16 id)
{
    if (id == m_id)
        applyValue();
}

void StatusPushButton::applyValue()
{
    MainApplication* app = MainApplication::getInstance();
    if (!app)
        return;
    const int position = saturatingInt(app->getValue(m_id));
    // A value beyond the list (or not yet received) keeps the icon shown.
    if (position < 0 || position >= m_list.size())
        return;
    const QString path = m_list.value(position);
    if (QPixmap(path).isNull())
        return;
    setIcon(path);
    m_iconPath = path;
}
