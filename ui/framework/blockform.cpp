#include "blockform.h"

#include "common.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameters.h"
#include "pushbutton.h"
#include "saturate.h"
#include "screen_factory.h"

#include <QDateTime>
#include <QGridLayout>
#include <QLabel>
#include <QPointer>

BlockForm::BlockForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Блокировка"));
    setInfo(QString());
    setHeaderState(HeaderWidget::Red);
}

void BlockForm::createForm()
{
    MainApplication* app = MainApplication::getInstance();
    if (app)
        app->resetAccess();
    contentWidget()->setObjectName(QStringLiteral("BlockForm"));

    m_infoLabel = new QLabel(contentWidget());
    m_infoLabel->setObjectName(QStringLiteral("blockInfoLabel_"));
    m_infoLabel->setWordWrap(true);
    m_infoLabel->setAlignment(Qt::AlignCenter);

    m_button = new PushButton(0, QObject::tr("Снять блокировку"), QPixmap(), contentWidget());
    m_button->setAlignment(Qt::AlignCenter);
    connect(m_button, &PushButton::clicked, this, &BlockForm::resetBlockChecking);

    QGridLayout* grid = gridLayout();
    grid->addWidget(m_infoLabel, 0, 0);
    grid->addWidget(m_button, 1, 0);
    grid->setRowStretch(0, 1);
    grid->setRowMinimumHeight(2, 37);
    removeMainStretch();

    updateInfoLabel();
    if (app && app->getParameters())
        connect(app->getParameters(), &Parameters::signalParamUpdated, this, &BlockForm::slotParamUpdated);
}

void BlockForm::updateInfoLabel()
{
    if (!m_infoLabel)
        return;
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    const int reason = parameters ? saturatingInt(parameters->get(535)) : 0;
    const quint32 seconds = parameters ? parameters->getU32(534) : 0;
    const QString when = QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC).toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
    m_infoLabel->setText(QStringLiteral("%1\n%2").arg(Common::getTextReasonStop(reason), when));
}

void BlockForm::slotParamUpdated(quint16 id)
{
    if (id == 534 || id == 535)
        updateInfoLabel();
}

void BlockForm::showEvent(QShowEvent* event)
{
    BaseForm::showEvent(event);
    setHeaderState(HeaderWidget::Red);
    if (m_button)
        m_button->setFocus();
}

void BlockForm::resetBlockChecking()
{
    MainApplication* app = MainApplication::getInstance();
    if (!app)
        return;
    // The password dialog keeps the event loop running: the screen may be gone
    // by the time it is answered.
    QPointer<BlockForm> self(this);
    const bool granted = app->isAccess(this, 774, 1, QObject::tr("Введите пароль для снятия блокировки"));
    if (self && granted)
        resetBlock();
}

void BlockForm::resetBlock()
{
    setHeaderState(HeaderWidget::Normal);
    MainApplication* app = MainApplication::getInstance();
    if (app && app->getParameters())
        app->getParameters()->set(774, 1, 1);
    returnBackForm();
}

void BlockForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(window->screens().createStatusPages(), 0, -1);
}
