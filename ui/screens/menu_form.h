#ifndef MENU_FORM_H
#define MENU_FORM_H

#include "baseform.h"
#include "menu_entry.h"

#include <QStringList>

// A menu of sub-form buttons. Its buttons and its child list come from one list
// of entries. A menu whose entries depend on parameters follows them: when one
// of them changes the entries so that the buttons no longer match, the menu
// rebuilds its level and shows itself again with the cursor on the same entry,
// so button k always opens child k. Only the screen the operator looks at
// rebuilds; a menu of the list turned away from (Left, Right) catches up when
// it is shown next, so an update never pulls the operator off his page.
class MenuForm : public BaseForm
{
    Q_OBJECT
public:
    explicit MenuForm(QWidget* parent);

    // The classes the buttons open, in button order (empty before the first show).
    QStringList entryClasses() const { return m_entryClasses; }
    // The class the entry under the cursor opens; empty when the cursor is on none.
    QString selectedEntryClass() const;
    // Puts the cursor on the entry that opens className; false when there is none.
    bool selectEntry(const QString& className);

    // A parameter value as the menus test it: the float of the store.
    static float value(quint16 id);
    // A parameter value taken as a 16-bit integer: the float as an unsigned
    // integer, cut to its low 16 bits.
    static quint16 value16(quint16 id);

protected:
    // The entries under the values of now.
    virtual QList<MenuEntry> menuEntries() const = 0;
    // The level this menu stands in, built anew, for a rebuild; the menus whose
    // entries depend on parameters give it.
    virtual QList<BaseForm*> createLevel() const;

    // Lays out one sub-form button per entry.
    void addEntries();
    // Hands a new child list to the menu model. A list that no longer matches
    // the buttons is refused (nothing opens) and the menu is rebuilt instead.
    void setChildren(QList<BaseForm*> forms);
    // The parameters the entries depend on.
    void followParameters(const QList<quint16>& ids);

    void showEvent(QShowEvent* event) override;

public slots:
    void slotParamUpdated(quint16 id);

private slots:
    void slotRebuildIfStale();

private:
    QStringList m_entryClasses;
    QList<quint16> m_followed;
    bool m_connected = false;
};

#endif // MENU_FORM_H
