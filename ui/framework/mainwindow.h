#ifndef MAINWINDOW_H
#define MAINWINDOW_H

#include <QList>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>

class BaseForm;
class BlockForm;
class FooterWidget;
class HeaderMainWindow;
class HeaderWidget;
class RestartForm;
class ScreenFactory;
class StackedForm;

// The one top-level window: header bar, title bar, form stack and info line.
// Every navigation goes through addForm. The window also owns what belongs to
// no single screen: the idle return to the status screens, the key light and
// the backlight, the Start and Stop keys, the block and restart screens and the
// dialogs the settings applier asks for. The screens it opens by itself come
// from the factory it is given.
class MainWindow : public QWidget
{
    Q_OBJECT
public:
    explicit MainWindow(std::unique_ptr<ScreenFactory> screens, QWidget* parent = nullptr);
    ~MainWindow() override;

    const ScreenFactory& screens() const { return *m_screens; }

    // Shows, from a list of newly built screens, the one of class className
    // (the first when none is); the stack takes the list over.
    void addForm(QList<BaseForm*> forms, const QString& className);
    void addForm(QList<BaseForm*> forms, int formIdx, int buttonIdx);
    void addForm(BaseForm* form, int idx);

    void createMainMenu();
    void setTextInfo(const QString& text);
    QString textInfo() const;
    bool isPrevent() const;
    bool isProtectionPreventOnly(int id) const;
    bool isUnconfirmedParams() const;
    QString getTextAiUnit(ushort typeId, ushort unitId, ushort modeId) const;
    void showMessageAdaptation();
    void updateShowDialog();

    bool isBlocked() const { return m_blocked; }
    bool isRestartPending() const { return m_restart; }

    HeaderMainWindow* headerMainWindow() const { return m_headerMain; }
    HeaderWidget* headerWidget() const { return m_header; }
    FooterWidget* footerWidget() const { return m_footer; }
    StackedForm* stackedForm() const { return m_stack; }
    BaseForm* currentForm() const;
    BlockForm* blockForm() const;
    RestartForm* restartForm() const;
    int hlKeyboard() const { return m_hlKeyboard; }
    int backlightLevel() const { return m_backlight; }
    int errorDialogCode() const { return m_errorCode; }

    // The file a brightness is written to: the sysfs path under $VRX_SYSFS_ROOT.
    static QString sysfsPath(const char* path);

public slots:
    void showMainParamsForm();
    void slotSetHlKeyboard(int enable = 0);
    void slotSetBacklight(bool enable = true);
    void slotShowForm();
    void showBlockForm();
    void showRestartForm();
    void slotStartCcs();
    void slotStopCcs();
    void slotCcsBlock(bool block = false);
    void slotCcsRestart(bool restart = false);
    void slotKeyRelease();
    void slotCheckUpdateFinish();
    void slotLogCopyStart();
    void slotLogCopyFinish();
    void slotShowUsbConnectDialog();
    void slotShowIndicationDelayDialog();
    void slotShowErrorDialog(int error);
    void slotCloseErrorDialog();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showLockStartDialog();
    void showPreventParamDialog();
    void showSettingsWizard();
    static void writeSysfs(const char* path, int value);

    const std::unique_ptr<ScreenFactory> m_screens;
    HeaderMainWindow* m_headerMain = nullptr;
    HeaderWidget* m_header = nullptr;
    FooterWidget* m_footer = nullptr;
    StackedForm* m_stack = nullptr;
    QTimer m_idleTimer;
    QTimer m_hlTimer;
    QTimer m_backlightTimer;
    QTimer m_guardTimer;
    int m_hlKeyboard = 0;
    int m_backlight = 10;
    bool m_blocked = false;
    QPointer<BlockForm> m_blockForm;
    bool m_restart = false;
    QPointer<RestartForm> m_restartForm;
    int m_errorCode = 0;
};

#endif // MAINWINDOW_H
