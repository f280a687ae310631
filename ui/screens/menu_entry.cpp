#include "menu_entry.h"

QString MenuEntry::className() const
{
    return QLatin1String(m_meta->className());
}

QList<BaseForm*> MenuEntry::createForms(const QList<MenuEntry>& entries)
{
    QList<BaseForm*> forms;
    forms.reserve(entries.size());
    for (const MenuEntry& entry : entries)
        forms.append(entry.m_factory());
    return forms;
}

QList<BaseForm*> MenuEntry::createForms(const QList<MenuEntry>& entries, BaseForm::LevelFactory level,
                                        const QMetaObject& menu)
{
    const QList<BaseForm*> forms = createForms(entries);
    const QString menuClass = QLatin1String(menu.className());
    for (BaseForm* form : forms)
        form->setWayBack(level, menuClass);
    return forms;
}

QStringList MenuEntry::classNames(const QList<MenuEntry>& entries)
{
    QStringList names;
    for (const MenuEntry& entry : entries)
        names.append(entry.className());
    return names;
}

QStringList MenuEntry::classNames(const QList<BaseForm*>& forms)
{
    QStringList names;
    for (const BaseForm* form : forms)
        names.append(form ? QString(QLatin1String(form->metaObject()->className())) : QString());
    return names;
}
