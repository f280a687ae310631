#include "timestatewidget.h"

#include "common.h"
#include "mainapplication.h"
#include "parameterdef.h"
#include "parameters.h"
#include "saturate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <cstdlib>

namespace {

const quint16 IdMotorState = 13;
const quint16 IdRunTime = 528;
const quint16 IdStopTime = 529;

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app && app->getParameters() ? app->getParameters() : Common::parameters();
}

} // namespace

TimeStateWidget::TimeStateWidget(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(37);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setWordWrap(true);
    m_nameLabel->setMinimumHeight(37);

    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("valueLongLabel_"));
    m_valueLabel->setFixedWidth(169);
    m_valueLabel->setWordWrap(true);
    m_valueLabel->setMinimumHeight(37);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_nameLabel, 1);
    layout->addWidget(m_valueLabel);

    m_timer.setSingleShot(true);
    m_timer.setInterval(400 + (rand() % 10) * 20);
    connect(&m_timer, &QTimer::timeout, this, &TimeStateWidget::slotUpdateValue);
    if (Parameters* parameters = store())
        connect(parameters, &Parameters::signalParamUpdated, this, &TimeStateWidget::slotParamUpdated);
}

void TimeStateWidget::slotParamUpdated(quint16 id)
{
    // A burst of updates gives one refresh.
    if ((id == IdRunTime || id == IdStopTime) && isVisible() && !m_timer.isActive())
        m_timer.start();
}

void TimeStateWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slotUpdateValue();
}

void TimeStateWidget::slotUpdateValue()
{
    Parameters* parameters = store();
    if (!parameters)
        return;
    // The motor state is a code in a float parameter: NaN and out-of-range
    // values saturate, so a state never received reads as stopped.
    const int state = saturatingInt(parameters->get(IdMotorState));
    const bool stopped = state == 0 || state == 1;
    const QString name = stopped ? QObject::tr("Останов") : QObject::tr("В работе");
    const ParameterDef* def = parameters->getParameter(stopped ? IdStopTime : IdRunTime);
    QString text = QStringLiteral("---");
    if (def) {
        unTypeData data;
        data.u = def->value.load();
        text = Common::getTextValue(data, def, def->validity.load() != 0, false);
    }
    if (m_nameLabel->text() != name)
        m_nameLabel->setText(name);
    if (m_valueLabel->text() != text)
        m_valueLabel->setText(text);
}
