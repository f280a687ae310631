#include "menu_form.h"

#include "mainapplication.h"
#include "mainwindow.h"
#include "parameters.h"
#include "saturate.h"

#include <QDebug>
#include <QPixmap>
#include <QTimer>

MenuForm::MenuForm(QWidget* parent)
    : BaseForm(parent, true)
{
}

float MenuForm::value(quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    return parameters ? parameters->get(id) : 0.0f;
}

quint16 MenuForm::value16(quint16 id)
{
    return static_cast<quint16>(saturatingUInt(value(id)) & 0xFFFFu);
}

QList<BaseForm*> MenuForm::createLevel() const
{
    return QList<BaseForm*>();
}

void MenuForm::addEntries()
{
    const QList<MenuEntry> entries = menuEntries();
    for (const MenuEntry& entry : entries) {
        const QPixmap icon = entry.icon().isEmpty() ? QPixmap() : QPixmap(entry.icon());
        addButton(entry.text(), icon);
    }
    m_entryClasses = MenuEntry::classNames(entries);
}

void MenuForm::setChildren(QList<BaseForm*> forms)
{
    if (isCreated() && MenuEntry::classNames(forms) != m_entryClasses) {
        // Every change of the entries rebuilds the menu, so this does not happen;
        // should it, opening nothing is better than opening the wrong screen.
        qWarning().noquote() << objectName() << "entries changed under the buttons:" << MenuEntry::classNames(forms);
        qDeleteAll(forms);
        BaseForm::setFormsList(QList<BaseForm*>());
        QTimer::singleShot(0, this, &MenuForm::slotRebuildIfStale);
        return;
    }
    BaseForm::setFormsList(forms);
}

void MenuForm::followParameters(const QList<quint16>& ids)
{
    m_followed = ids;
    if (m_connected || ids.isEmpty())
        return;
    MainApplication* app = MainApplication::getInstance();
    if (Parameters* parameters = app ? app->getParameters() : nullptr) {
        connect(parameters, &Parameters::signalParamUpdated, this, &MenuForm::slotParamUpdated);
        m_connected = true;
    }
}

QString MenuForm::selectedEntryClass() const
{
    const int entry = subFormButtons().indexOf(currentRow());
    return m_entryClasses.value(entry);
}

bool MenuForm::selectEntry(const QString& className)
{
    const int entry = m_entryClasses.indexOf(className);
    const QList<int> rows = subFormButtons();
    if (entry < 0 || entry >= rows.size())
        return false;
    setCurrentWidget(rows.at(entry));
    return true;
}

void MenuForm::showEvent(QShowEvent* event)
{
    BaseForm::showEvent(event);
    // Values may have changed while the menu was out of sight. From the event
    // loop: the form stack is still busy showing this form.
    if (!m_followed.isEmpty())
        QTimer::singleShot(0, this, &MenuForm::slotRebuildIfStale);
}

void MenuForm::slotParamUpdated(quint16 id)
{
    if (m_followed.contains(id))
        slotRebuildIfStale();
}

void MenuForm::slotRebuildIfStale()
{
    if (!isCreated() || MenuEntry::classNames(menuEntries()) == m_entryClasses)
        return;
    MainWindow* window = mainWindow();
    // A menu out of sight waits for its next show.
    if (!window || window->currentForm() != this || !isVisible())
        return;
    QList<BaseForm*> level = createLevel();
    if (level.isEmpty())
        return;
    const QString selected = selectedEntryClass();
    qDebug().noquote() << objectName() << "rebuilds: its entries changed";
    // The level is replaced: this menu is deleted once control is back in the event loop.
    window->addForm(level, QLatin1String(metaObject()->className()));
    auto* menu = qobject_cast<MenuForm*>(window->currentForm());
    if (menu && menu != this && !selected.isEmpty())
        menu->selectEntry(selected);
}
