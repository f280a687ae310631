#include "restartform.h"

#include "baseparamlabel.h"
#include "common.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameters.h"
#include "saturate.h"
#include "screen_factory.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const quint16 ProgramStateId = 448;      // 400: the pause of the periodic program
const quint16 StopReasonId = 535;        // reason of the last stop
const quint16 GuaranteedStartId = 669;
const quint16 ElapsedId = 529;           // idle time so far
const quint16 RemainingId = 531;         // time to the start
const quint16 RestartCountId = 715;
const int ProgramPause = 400;
const int StopByMainsLoss = 30;          // a loss of the mains supply is not counted as a restart
const int Spacing = 18;

float value(quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    Parameters* parameters = app ? app->getParameters() : nullptr;
    return parameters ? parameters->get(id) : 0.0f;
}

QLabel* centredLabel(const QString& text, QVBoxLayout* layout)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    layout->addWidget(label);
    return label;
}

BaseParamLabel* timeLabel(quint16 id, QVBoxLayout* layout)
{
    auto* label = new BaseParamLabel(id, QStringList(), nullptr);
    layout->addWidget(label);
    return label;
}

void setText(QLabel* label, const QString& text)
{
    if (label->text() != text)
        label->setText(text);
}

} // namespace

RestartForm::RestartForm(QWidget* parent)
    : BaseForm(parent, true)
{
    setObjectName(QLatin1String(metaObject()->className()));
    setTitle(QObject::tr("Ожидание АПВ"));
    setInfo(QString());
    setHeaderState(HeaderWidget::Orange);
}

void RestartForm::createForm()
{
    auto* left = new QWidget;
    left->setObjectName(QStringLiteral("widgetRestartForm"));
    auto* right = new QWidget;
    right->setObjectName(QStringLiteral("widgetRestartForm"));
    right->setFixedWidth(220);
    QGridLayout* grid = gridLayout();
    grid->addWidget(left, 0, 0);
    grid->addWidget(right, 0, 1);
    grid->setRowStretch(0, 1);
    grid->setColumnStretch(0, 1);
    removeMainStretch();

    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setSpacing(0);
    centredLabel(QObject::tr("СТОП"), leftLayout);
    m_lines[ReasonLine] = centredLabel(QString(), leftLayout);
    m_lines[ReasonLine]->setWordWrap(true);
    leftLayout->addSpacing(Spacing);
    m_lines[PreventTitleLine] = centredLabel(QObject::tr("АПВ ЗАПРЕЩЕНО"), leftLayout);
    m_lines[PreventCaptionLine] = centredLabel(QObject::tr("Запрещ. параметр:"), leftLayout);
    m_lines[PreventTextLine] = centredLabel(QString(), leftLayout);
    m_lines[PreventTextLine]->setWordWrap(true);
    m_lines[PreventTextLine]->setStyleSheet(QStringLiteral("* {color: red;}"));
    leftLayout->addStretch();
    m_lines[ProgramLine] = centredLabel(QObject::tr("Работа по программе. Режим:"), leftLayout);
    m_lines[ProgramModeLine] = centredLabel(QObject::tr("ПЕРИОДИЧЕСКИЙ"), leftLayout);
    m_lines[ProgramStateLine] = centredLabel(QObject::tr("текущее состояние:"), leftLayout);
    m_lines[ProgramPauseLine] = centredLabel(QObject::tr("ПАУЗА"), leftLayout);
    m_lines[GuaranteedLine] = centredLabel(QObject::tr("ГАРАНТИРОВАННЫЙ ПУСК"), leftLayout);

    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setSpacing(0);
    centredLabel(QObject::tr("Прошло:"), rightLayout);
    m_elapsed = timeLabel(ElapsedId, rightLayout);
    rightLayout->addSpacing(Spacing);
    centredLabel(QObject::tr("Осталось:"), rightLayout);
    m_remaining = timeLabel(RemainingId, rightLayout);
    rightLayout->addSpacing(Spacing);
    m_lines[RestartCountCaptionLine] = centredLabel(QObject::tr("Количество АПВ:"), rightLayout);
    m_restartCount = timeLabel(RestartCountId, rightLayout);
    rightLayout->addStretch();

    // A prevent shows within one refresh: a coarse timer could be late by 5%.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &RestartForm::slotUpdated);
    m_timer.start(500);
    slotUpdated();
}

void RestartForm::slotUpdated()
{
    if (!m_restartCount)
        return;
    const int state = saturatingInt(value(ProgramStateId));
    const int reason = saturatingInt(value(StopReasonId));
    const bool pause = state == ProgramPause;

    m_lines[ReasonLine]->setVisible(!pause);
    if (!pause)
        setText(m_lines[ReasonLine], Common::getTextReasonStop(reason));
    for (Line program : {ProgramLine, ProgramModeLine, ProgramStateLine, ProgramPauseLine})
        m_lines[program]->setVisible(pause);
    m_lines[GuaranteedLine]->setVisible(value(GuaranteedStartId) != 0.0f);

    const bool counted = reason != StopByMainsLoss && !pause;
    m_lines[RestartCountCaptionLine]->setVisible(counted);
    m_restartCount->setVisible(counted);

    MainWindow* window = mainWindow();
    const bool prevented = window && window->isPrevent();
    setText(m_lines[PreventTextLine], prevented ? Common::getTextPrevent() : QString());
    for (Line prevent : {PreventTitleLine, PreventCaptionLine, PreventTextLine})
        m_lines[prevent]->setVisible(prevented);
}

void RestartForm::showEvent(QShowEvent* event)
{
    BaseForm::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

void RestartForm::closeForm()
{
    setHeaderState(HeaderWidget::Normal);
    returnBackForm();
}

void RestartForm::returnBackForm()
{
    if (MainWindow* window = mainWindow())
        window->addForm(window->screens().createStatusPages(), 0, -1);
}
