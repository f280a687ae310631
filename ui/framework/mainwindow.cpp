#include "mainwindow.h"
#include "usbconnectdialog.h"

#include "baseform.h"
#include "blockform.h"
#include "common.h"
#include "footerwidget.h"
#include "headermainwindow.h"
#include "headerwidget.h"
#include "mainapplication.h"
#include "messagedialog.h"
#include "number_text.h"
#include "parameterdef.h"
#include "parameters.h"
#include "parameterscheck.h"
#include "parametershandler.h"
#include "progressbardialog.h"
#include "restartform.h"
#include "saturate.h"
#include "screen_factory.h"
#include "stackedform.h"
#include "test_switch.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QVBoxLayout>
#include <cmath>

namespace {

const char* const HlKeyPath = "/sys/class/leds/hl-key/brightness";
const char* const BacklightPath = "/sys/class/backlight/backlight.5/brightness";

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getParameters() : nullptr;
}

float value(quint16 id)
{
    Parameters* parameters = store();
    return parameters ? parameters->get(id) : 0.0f;
}

int intValue(quint16 id)
{
    return saturatingInt(value(id));
}

quint32 low16(quint16 id)
{
    return saturatingUInt(value(id)) & 0xFFFFu;
}

void setParameter(quint16 id, int newValue)
{
    if (Parameters* parameters = store())
        parameters->set(id, newValue, 1);
}

// The shortest text that reads back as the same float ("3.38", not "3.38000011").
QString shortestText(float number)
{
    if (std::isnan(number) || std::isinf(number))
        return numberText(static_cast<double>(number));
    for (int precision = 1; precision < 9; ++precision) {
        const QString text = numberText(static_cast<double>(number), 'g', precision);
        if (text.toFloat() == number)
            return text;
    }
    return numberText(static_cast<double>(number), 'g', 9);
}

void showMessage(const QString& text, MessageDialog::MsgType type, QWidget* parent)
{
    auto* dialog = new MessageDialog(text, type, parent);
    dialog->show();
}

} // namespace

MainWindow::MainWindow(std::unique_ptr<ScreenFactory> screens, QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint)
    , m_screens(std::move(screens))
    , m_idleTimer(this)
    , m_hlTimer(this)
    , m_backlightTimer(this)
    , m_guardTimer(this)
{
    Q_ASSERT(m_screens);
    setObjectName(QStringLiteral("MainWindow"));
    setFixedSize(640, 480);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFocusPolicy(Qt::NoFocus);

    m_headerMain = new HeaderMainWindow(this);
    m_header = new HeaderWidget(this);
    m_stack = new StackedForm;
    m_footer = new FooterWidget(this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_headerMain);
    layout->addWidget(m_header);
    layout->addLayout(m_stack, 1);
    layout->addWidget(m_footer);

    m_idleTimer.setObjectName(QStringLiteral("idleTimer"));
    m_hlTimer.setObjectName(QStringLiteral("hlKeyboardTimer"));
    m_backlightTimer.setObjectName(QStringLiteral("backlightTimer"));
    m_guardTimer.setObjectName(QStringLiteral("mainFormGuardTimer"));
    m_idleTimer.setSingleShot(true);
    m_hlTimer.setSingleShot(true);
    m_hlTimer.setInterval(60000);
    m_backlightTimer.setSingleShot(true);
    m_backlightTimer.setInterval(200);
    m_guardTimer.setSingleShot(true);
    m_guardTimer.start(1);
    connect(&m_idleTimer, &QTimer::timeout, this, &MainWindow::slotShowForm);
    connect(&m_hlTimer, &QTimer::timeout, this, [this]() { slotSetHlKeyboard(0); });
    connect(&m_backlightTimer, &QTimer::timeout, this, [this]() { slotSetBacklight(true); });

    MainApplication* app = MainApplication::getInstance();
    if (app) {
        connect(app, &MainApplication::signalKeyRelease, this, &MainWindow::slotKeyRelease);
        connect(app, &MainApplication::signalShowMainParamsForm, this, &MainWindow::showMainParamsForm);
        connect(app, &MainApplication::signalKeyPressStop, this, &MainWindow::slotStopCcs);
        connect(app, &MainApplication::signalKeyPressStart, this, &MainWindow::slotStartCcs);
        if (Parameters* parameters = app->getParameters()) {
            if (ParametersHandler* handler = parameters->handler()) {
                connect(handler, &ParametersHandler::signalCcsDelay, this, &MainWindow::slotShowForm);
                connect(handler, &ParametersHandler::signalCcsBlock, this, &MainWindow::slotCcsBlock);
                connect(handler, &ParametersHandler::signalCcsRestart, this, &MainWindow::slotCcsRestart);
                connect(handler, &ParametersHandler::signalLogCopyStart, this, &MainWindow::slotLogCopyStart);
                connect(handler, &ParametersHandler::signalShowUsbConnectDialog, this,
                        &MainWindow::slotShowUsbConnectDialog);
                connect(handler, &ParametersHandler::signalLogCopyFinish, this, &MainWindow::slotLogCopyFinish);
                connect(handler, &ParametersHandler::signalShowErrorDialog, this,
                        &MainWindow::slotShowErrorDialog);
                connect(handler, &ParametersHandler::signalIndicationDelay, this,
                        &MainWindow::slotShowIndicationDelayDialog);
            }
        }
    }
    connect(m_header, &HeaderWidget::signalKeyLeftPress, m_stack, &StackedForm::slotPrevForm);
    connect(m_header, &HeaderWidget::signalKeyRightPress, m_stack, &StackedForm::slotNextForm);
    connect(m_stack, &StackedForm::setTextTitle, m_header, &HeaderWidget::setTextTitle);
    connect(m_stack, &StackedForm::setTextInfo, m_footer, &FooterWidget::setTextInfo);
    connect(m_stack, &StackedForm::signalSwitchPageVisible, m_header, &HeaderWidget::setVisibleSwitchPage);

    m_backlight = intValue(1209);
    slotKeyRelease();
}

MainWindow::~MainWindow()
{
    qDebug().noquote() << QStringLiteral("~%1").arg(metaObject()->className());
}

QString MainWindow::sysfsPath(const char* path)
{
    return QString::fromLocal8Bit(testSwitch("VRX_SYSFS_ROOT")) + QString::fromLatin1(path);
}

void MainWindow::writeSysfs(const char* path, int level)
{
    QFile file(sysfsPath(path));
    // A board without the device (or a desktop) has no such file: nothing to do.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return;
    file.write(QByteArray::number(level));
}

BlockForm* MainWindow::blockForm() const
{
    return m_blockForm.data();
}

RestartForm* MainWindow::restartForm() const
{
    return m_restartForm.data();
}

BaseForm* MainWindow::currentForm() const
{
    return m_stack->currentForm();
}

// --- navigation ---------------------------------------------------------------------

void MainWindow::addForm(QList<BaseForm*> forms, int formIdx, int buttonIdx)
{
    BaseForm* current = m_stack->currentForm();
    if (current) {
        // The stack is about to delete the screen shown now.
        if (m_blockForm && current == m_blockForm)
            m_blockForm = nullptr;
        if (m_restartForm && current == m_restartForm)
            m_restartForm = nullptr;
    }
    m_stack->addForm(forms, formIdx, buttonIdx);
}

void MainWindow::addForm(QList<BaseForm*> forms, const QString& className)
{
    int found = -1;
    for (int i = 0; i < forms.size(); ++i) {
        if (forms.at(i) && className == QLatin1String(forms.at(i)->metaObject()->className())) {
            found = i;
            break;
        }
    }
    if (found < 0) {
        addForm(forms, 0, -1);
        return;
    }
    BaseForm* current = m_stack->currentForm();
    if (!current || className != QLatin1String(current->metaObject()->className())) {
        // Back to a menu: the cursor goes to the entry of the screen one came from.
        addForm(forms, found, m_stack->currentIndexForm());
        return;
    }
    // A screen rebuilding itself keeps its selected row.
    const int row = current->currentRow();
    BaseForm* form = forms.at(found);
    addForm(forms, found, -1);
    form->setCurrentWidget(row);
}

void MainWindow::addForm(BaseForm* form, int idx)
{
    if (!form)
        return;
    const int buttonIdx = idx == -1 ? m_stack->currentIndexForm() : 0;
    addForm(QList<BaseForm*>() << form, 0, buttonIdx);
}

void MainWindow::showMainParamsForm()
{
    BaseForm* current = m_stack->currentForm();
    const QList<BaseForm*> forms = m_stack->formsList();
    if (current && !forms.isEmpty() && forms.first()
        && QLatin1String(forms.first()->metaObject()->className()) == QLatin1String("CurrentMainParamsForm")) {
        if (m_stack->currentIndexForm() != 0)
            m_stack->setCurrentForm(0, -1);
    } else {
        addForm(m_screens->createStatusPages(), 0, -1);
    }
    m_stack->setCarouselEnabled(true);
}

void MainWindow::createMainMenu()
{
    addForm(m_screens->createMainMenu(), -1);
    const int state = intValue(633);
    if (state == 3)
        slotCcsBlock(true);
    else if (state == 2)
        slotCcsRestart(true);
    QTimer::singleShot(500, this, &MainWindow::slotCheckUpdateFinish);
}

void MainWindow::setTextInfo(const QString& text)
{
    m_footer->setTextInfo(text);
}

QString MainWindow::textInfo() const
{
    return m_footer->textInfo();
}

// --- idle return, key light, backlight -------------------------------------------------

void MainWindow::slotKeyRelease()
{
    m_idleTimer.start(m_blocked || m_restart ? 30000 : 300000);
    m_stack->setCarouselEnabled(false);
    m_hlTimer.start(60000);
    slotSetHlKeyboard(1);
}

void MainWindow::slotShowForm()
{
    if (m_blocked) {
        showBlockForm();
    } else if (m_restart) {
        showRestartForm();
    } else if (m_guardTimer.isActive()) {
        qDebug() << "Delay Show Main Form";
    } else {
        showMainParamsForm();
        const qint64 ms = static_cast<qint64>(qMax(0, intValue(473))) * 1000;
        m_guardTimer.start(static_cast<int>(qMin<qint64>(ms, 0x7FFFFFFF)));
    }
}

void MainWindow::slotSetHlKeyboard(int enable)
{
    if (m_hlKeyboard == enable)
        return;
    m_hlKeyboard = enable != 0 ? 1 : 0;
    writeSysfs(HlKeyPath, enable);
    slotSetBacklight(enable != 0);
}

void MainWindow::slotSetBacklight(bool enable)
{
    const int maximum = intValue(1209);
    if (enable) {
        if (m_backlight < maximum) {
            ++m_backlight;
            m_backlightTimer.start();
        } else {
            m_backlight = maximum;
        }
    } else {
        // Dimmed: a ramp still under way must not raise the light again.
        m_backlightTimer.stop();
        m_backlight = intValue(1208);
    }
    writeSysfs(BacklightPath, m_backlight);
}

// --- Start and Stop -----------------------------------------------------------------

bool MainWindow::isPrevent() const
{
    return low16(1360) != 0 || value(635) != 0.0f || value(702) == 0.0f || low16(685) == 0;
}

bool MainWindow::isProtectionPreventOnly(int id) const
{
    const QList<int> ids = Common::preventIdsList();
    for (int other : ids) {
        if (other != id && value(static_cast<quint16>(other)) != 0.0f)
            return false;
    }
    return true;
}

bool MainWindow::isUnconfirmedParams() const
{
    MainApplication* app = MainApplication::getInstance();
    ParametersCheck* check = app ? app->getParametersCheck() : nullptr;
    return value(782) == 1.0f && check && !check->isConfirmed();
}

void MainWindow::showLockStartDialog()
{
    showMessage(QObject::tr("Кнопка Start заблокирована!"), MessageDialog::Warning, this);
}

void MainWindow::showPreventParamDialog()
{
    showMessage(QStringLiteral("%1\n%2").arg(QObject::tr("ПУСК ЗАПРЕЩЕН"), Common::getTextPrevent()),
                MessageDialog::Error, this);
}

void MainWindow::showSettingsWizard()
{
    addForm(m_screens->createSettingsWizard(), -1);
}

void MainWindow::slotStartCcs()
{
    qDebug() << "Start CCS";
    if (value(2051) == 1.0f) {
        showLockStartDialog();
        return;
    }
    if (intValue(13) != 0) {
        showMainParamsForm();
        return;
    }
    if (isPrevent() && !(isProtectionPreventOnly(209) && value(15002) >= value(215)))
        showPreventParamDialog();

    if (isUnconfirmedParams()) {
        auto* dialog = new MessageDialog(
            QStringLiteral("%1\n%2").arg(QObject::tr("ПУСК ЗАПРЕЩЕН"),
                                         QObject::tr("Необходимо подтвердить параметры в мастере настроек")),
            MessageDialog::Error, this);
        // A stop of the program ends the message unread: no wizard then.
        if (dialog->exec() != Dialog::Unanswered)
            showSettingsWizard();
        return;
    }

    MainApplication* app = MainApplication::getInstance();
    if (app && app->isAccess(this, 593, 1, QObject::tr("Введите пароль для запуска СУ"))) {
        if (m_blocked)
            setParameter(774, 1);
        setParameter(593, 2);
    }
    showMainParamsForm();
}

void MainWindow::slotStopCcs()
{
    qDebug() << "Stop CCS";
    if (m_blocked) {
        showBlockForm();
    } else if (intValue(13) == 0 && !m_restart) {
        showMainParamsForm();
    } else {
        setParameter(592, 2);
    }
}

// --- block and restart --------------------------------------------------------------

void MainWindow::slotCcsBlock(bool block)
{
    if (m_blocked && !block) {
        if (m_blockForm) {
            m_blockForm->resetBlock();
            if (!m_idleTimer.isActive())
                m_stack->setCarouselEnabled(true);
        } else if (!m_restart) {
            m_header->setState(HeaderWidget::Normal);
        }
    }
    if (block)
        showBlockForm();
    m_blocked = block;
}

void MainWindow::slotCcsRestart(bool restart)
{
    if (m_restart && !restart) {
        if (m_restartForm) {
            m_restartForm->closeForm();
            if (!m_idleTimer.isActive())
                m_stack->setCarouselEnabled(true);
        } else if (!m_blocked) {
            m_header->setState(HeaderWidget::Normal);
        }
    }
    if (restart)
        showRestartForm();
    m_restart = restart;
}

void MainWindow::showBlockForm()
{
    if (m_blockForm)
        return;
    auto* form = new BlockForm;
    addForm(form, -1);
    m_blockForm = form;
}

void MainWindow::showRestartForm()
{
    if (m_restartForm)
        return;
    auto* form = new RestartForm;
    addForm(form, -1);
    m_restartForm = form;
}

// --- dialogs for the settings applier ----------------------------------------------------

void MainWindow::updateShowDialog()
{
    auto* dialog = new ProgressBarDialog(QObject::tr("Обновление ПО:"), this, 757, true);
    dialog->show();
}

void MainWindow::slotCheckUpdateFinish()
{
    if (intValue(757) != 2)
        return;
    setParameter(757, 0);
    showMessage(QStringLiteral("%1\n%2: %3.0.%4")
                    .arg(QObject::tr("Обновление ПО завершено!"), Common::getTextFromId(541),
                         shortestText(value(541)), shortestText(value(1104))),
                MessageDialog::Information, this);
}

void MainWindow::slotLogCopyStart()
{
    auto* dialog = new ProgressBarDialog(QObject::tr("Копирование архивов:"), this, 594, true);
    dialog->show();
}

void MainWindow::slotLogCopyFinish()
{
    showMessage(QObject::tr("Копирование архивов завершено!"), MessageDialog::Information, this);
}

void MainWindow::slotShowUsbConnectDialog()
{
    (new UsbConnectDialog(this))->show();
}

void MainWindow::slotShowErrorDialog(int error)
{
    setParameter(765, 0);
    if (error == m_errorCode)
        return;
    m_errorCode = error;
    auto* dialog = new MessageDialog(Common::getTextErrorSlave(error), MessageDialog::Error, this);
    connect(dialog, &QObject::destroyed, this, &MainWindow::slotCloseErrorDialog);
    dialog->show();
}

void MainWindow::slotCloseErrorDialog()
{
    m_errorCode = 0;
}

void MainWindow::slotShowIndicationDelayDialog()
{
    QString when;
    Parameters* parameters = store();
    if (const ParameterDef* def = parameters ? parameters->getParameter(1514) : nullptr) {
        unTypeData raw;
        raw.u = def->value.load();
        when = Common::getTextValue(raw, def, def->validity.load() != 0, false);
    }
    auto* dialog = new MessageDialog(QStringLiteral("%1\n%2\n%3")
                                         .arg(QObject::tr("ОТКЛОНЕНИЕ ОТ РАБОЧИХ ПАРАМЕТРОВ"), when,
                                              Common::getTextReasonStop(intValue(1513))),
                                     MessageDialog::Warning, this);
    // The operator's answer, or the dialog's own time-out, acknowledges the
    // deviation; a stop of the program ends the dialog without one.
    if (dialog->exec() != Dialog::Unanswered)
        setParameter(1513, 0);
}

// --- other ---------------------------------------------------------------------------

QString MainWindow::getTextAiUnit(ushort typeId, ushort unitId, ushort modeId) const
{
    const QString text = Common::getTextAiUnit(static_cast<unsigned char>(saturatingUInt(value(typeId)) & 0xFFu),
                                               static_cast<unsigned char>(saturatingUInt(value(unitId)) & 0xFFu));
    if (!text.isEmpty())
        return text;
    return value(modeId) != 0.0f ? QObject::tr("мА") : QObject::tr("В");
}

void MainWindow::showMessageAdaptation()
{
    if (low16(685) == 2 && low16(783) != 0)
        showMessage(QObject::tr("Внимание!\nНеобходимо провести автоадаптацию"), MessageDialog::Information, this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    MainApplication::requestQuit();
}
