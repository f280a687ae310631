#include "ui_station.h"

#include "baseform.h"
#include "dialog_driver.h"
#include "mainwindow.h"

#include <QApplication>

UiStation::UiStation()
    : drive{nullptr}
{
    app()->initStore();
    drive.store = store();
    app()->setAccessPrompt([this](unsigned char, const QString& prompt, QWidget*) {
        ++prompts;
        lastPrompt = prompt;
        return answer;
    });
}

UiStation::~UiStation()
{
    app()->setAccessPrompt(nullptr);
}

MainWindow* UiStation::window()
{
    return app()->getMainWindow();
}

BaseForm* UiStation::currentForm()
{
    return window() ? window()->currentForm() : nullptr;
}

QString UiStation::currentClass()
{
    BaseForm* form = currentForm();
    return form ? QString::fromLatin1(form->metaObject()->className()) : QString();
}

void UiStation::showWindow(BaseForm* form)
{
    app()->showMainWindow();
    QApplication::setActiveWindow(window());
    if (form)
        window()->addForm(form, 0);
    settle();
}

void pressKey(int key, const QString& text)
{
    // Offscreen, a closed dialog hands the activation back to no window.
    if (DialogDriver::openDialogs().isEmpty() && UiStation::window())
        QApplication::setActiveWindow(UiStation::window());
    DialogDriver::pressKey(key, text);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void typeKeys(const QString& keys)
{
    for (QChar c : keys)
        pressKey(c == QLatin1Char('.') ? int(Qt::Key_Period) : int(Qt::Key_0) + c.digitValue(), QString(c));
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void selectRow(BaseForm* form, int row)
{
    // Offscreen, a closed dialog hands the activation back to no window.
    QApplication::setActiveWindow(UiStation::window());
    form->setCurrentWidget(row);
    QTRY_VERIFY(form->rowWidget(row)->hasFocus());
    QCoreApplication::processEvents();
}
