#ifndef UI_STATION_H
#define UI_STATION_H

#include "mainapplication.h"
#include "param_writes.h"
#include "store_driver.h"
#include "test_database.h"

#include <QtTest>

class BaseForm;
class MainWindow;

// The program's store and main window as the operator meets them: a test
// database behind the store, and a password prompt the test answers (answer)
// and counts (prompts, lastPrompt). The window is shown by showWindow().
class UiStation
{
public:
    UiStation();
    ~UiStation();
    UiStation(const UiStation&) = delete;
    UiStation& operator=(const UiStation&) = delete;

    static MainApplication* app() { return MainApplication::getInstance(); }
    static MainWindow* window();
    static Parameters* store() { return app()->getParameters(); }
    static BaseForm* currentForm();
    static QString currentClass();
    // Shows the main window, active, with form on it when given.
    void showWindow(BaseForm* form = nullptr);

private:
    TestDatabase m_db;

public:
    StoreDriver drive;
    int prompts = 0;
    int answer = 1;
    QString lastPrompt;
};

// A key through the keypad's path, to the main window when no dialog is open,
// then the event loop (the cursor gives its row the focus from there).
void pressKey(int key, const QString& text = QString());
// Digits and periods, each as its keypad key.
void typeKeys(const QString& keys);
// Runs the deferred deletions and the event loop.
void settle();
// Puts the cursor on a row of form and waits for the row to take the focus.
void selectRow(BaseForm* form, int row);

// An edit row that ended once with ok, and is no longer editing.
template <typename Row>
void checkEnded(Row* row, const QSignalSpy& ends, bool ok)
{
    QVERIFY(!row->isEditing());
    QCOMPARE(ends.size(), 1);
    QCOMPARE(ends.at(0).at(0).toBool(), ok);
}

#endif // UI_STATION_H
