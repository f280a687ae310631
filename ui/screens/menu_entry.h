#ifndef MENU_ENTRY_H
#define MENU_ENTRY_H

#include "baseform.h"

#include <QList>
#include <QString>
#include <QStringList>

struct QMetaObject;

// One entry of a menu: the text and icon of its button and the screen it opens.
// A menu lays out its buttons and builds its child list from the same list of
// entries, so button k always opens child k.
class MenuEntry
{
public:
    template <class Form>
    static MenuEntry of(const QString& text, const QString& icon = QString())
    {
        return MenuEntry(text, icon, &Form::staticMetaObject, &create<Form>);
    }

    QString text() const { return m_text; }
    QString icon() const { return m_icon; }
    QString className() const;

    // New screens, without parent, in entry order.
    static QList<BaseForm*> createForms(const QList<MenuEntry>& entries);
    // The same, each screen told its way back to the menu of class menu, which
    // stands in the level that level builds.
    static QList<BaseForm*> createForms(const QList<MenuEntry>& entries, BaseForm::LevelFactory level,
                                        const QMetaObject& menu);
    static QStringList classNames(const QList<MenuEntry>& entries);
    static QStringList classNames(const QList<BaseForm*>& forms);

private:
    using Factory = BaseForm* (*)();

    MenuEntry(const QString& text, const QString& icon, const QMetaObject* meta, Factory factory)
        : m_text(text)
        , m_icon(icon)
        , m_meta(meta)
        , m_factory(factory)
    {
    }

    template <class Form>
    static BaseForm* create()
    {
        return new Form;
    }

    QString m_text;
    QString m_icon;
    const QMetaObject* m_meta;
    Factory m_factory;
};

#endif // MENU_ENTRY_H
