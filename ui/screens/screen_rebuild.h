#ifndef SCREEN_REBUILD_H
#define SCREEN_REBUILD_H

#include <QList>
#include <QObject>
#include <QTimer>

class BaseForm;

// Rebuilds a screen whose rows depend on parameters: its level is built anew
// and the screen of the same class is shown again; the main window keeps the
// row that was selected. Only the screen the operator looks at rebuilds at
// once. One of the list he has turned away from (Left, Right) catches up when
// it is shown next, so an update never pulls him off the page he reads; one
// that waits for an answer of its own dialog (a question, the password of a
// row) rebuilds once the dialog has closed, so no screen is deleted under a
// nested dialog loop that will return into it.
class ScreenRebuild : public QObject
{
    Q_OBJECT
public:
    using Level = QList<BaseForm*> (*)();

    // How often a rebuild held back by a dialog of the screen looks again.
    static constexpr int RetryMs = 100;

    // Rebuilds form with its level now, or as soon as it is shown and free.
    static void request(BaseForm* form, Level level);
    // True while form waits to rebuild.
    static bool isPending(const BaseForm* form);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void slotRebuild();

private:
    ScreenRebuild(BaseForm* form, Level level);
    static ScreenRebuild* of(const BaseForm* form);
    // The modal dialog open on this screen, if any.
    QWidget* dialogOfForm() const;

    BaseForm* m_form;
    Level m_level;
    bool m_pending = false;
    QTimer m_retry;
};

#endif // SCREEN_REBUILD_H
