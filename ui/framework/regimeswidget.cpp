#include "regimeswidget.h"

#include "common.h"
#include "mainapplication.h"
#include "parameters.h"
#include "saturate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <cstdlib>

namespace {

const quint16 IdPeriodic = 447;
const quint16 IdGuaranteedStart = 669;
const quint16 IdAlternation = 455;
const quint16 IdAlternationState = 687;
const quint16 IdSoftStart = 464;
const quint16 IdMaintenance = 474;
const quint16 IdMaintenanceQuantity = 475;
const quint16 IdMaintenanceControl = 1683;
const quint16 IdVoltageOptimisation = 494;
const quint16 IdVoltageOptimisationState = 961;
const quint16 IdCurrentLimit = 503;
const quint16 IdShaking = 483;
const quint16 IdShakingState = 873;
const quint16 IdPushing = 499;
const quint16 IdPushingState = 1116;
const quint16 IdPushingRn = 1599;
const quint16 IdPushingRnState = 1606;
const quint16 IdDelayedStart = 955;
const quint16 IdStartMode = 15;

// What the maintenance mode holds, by parameter 475.
const char* const maintenanceQuantities[] = {
    QT_TRANSLATE_NOOP("QObject", "Ток"),       QT_TRANSLATE_NOOP("QObject", "Давления"),
    QT_TRANSLATE_NOOP("QObject", "Темпер."),   QT_TRANSLATE_NOOP("QObject", "Ан. вх. 1"),
    QT_TRANSLATE_NOOP("QObject", "Ан. вх. 2"), QT_TRANSLATE_NOOP("QObject", "Ан. вх. 3"),
    QT_TRANSLATE_NOOP("QObject", "Ан. вх. 4"), QT_TRANSLATE_NOOP("QObject", "Загрузка"),
    QT_TRANSLATE_NOOP("QObject", "Мощность"),  QT_TRANSLATE_NOOP("QObject", "Расход"),
};

float value(quint16 id)
{
    MainApplication* app = MainApplication::getInstance();
    const Parameters* parameters = app && app->getParameters() ? app->getParameters() : Common::parameters();
    return parameters ? parameters->get(id) : 0.0f;
}

bool isOn(quint16 id)
{
    return value(id) != 0.0f;
}

// Codes held in float parameters: NaN and out-of-range values saturate.
int intValue(quint16 id)
{
    return saturatingInt(value(id));
}

bool within(int code, int low, int high)
{
    return code >= low && code <= high;
}

void addName(QString& text, const QString& name)
{
    if (!text.isEmpty())
        text += QStringLiteral(" + ");
    text += name;
}

QString alternationSuffix(int state)
{
    if (state == 200)
        return QStringLiteral("(F1)");
    if (state == 201)
        return QStringLiteral("(F2)");
    return QString();
}

QString optimisationSuffix(int state)
{
    if (state == 100)
        return QStringLiteral("(1)");
    if (state == 200 || state == 400 || state == 401)
        return QStringLiteral("(П)");
    if (within(state, 201, 205))
        return QStringLiteral("(-)");
    if (within(state, 206, 210))
        return QStringLiteral("(+)");
    return QString();
}

QString shakingSuffix(int state)
{
    if (state == 100 || state == 400)
        return QStringLiteral("(П)");
    if (within(state, 200, 202))
        return QStringLiteral("(F1)");
    if (within(state, 203, 205))
        return QStringLiteral("(F2)");
    return QString();
}

QString pushingSuffix(int state)
{
    if (state == 101)
        return QObject::tr("З");
    if (within(state, 200, 203))
        return QStringLiteral("(F1)");
    if (within(state, 204, 207))
        return QStringLiteral("(F2)");
    if (within(state, 208, 213))
        return QObject::tr("К");
    if (state == 400)
        return QObject::tr("П");
    return QString();
}

QString pushingRnSuffix(int state)
{
    if (state == 101)
        return QStringLiteral("(З)");
    if (within(state, 200, 202))
        return QStringLiteral("(F1)");
    if (within(state, 203, 205))
        return QStringLiteral("(F2)");
    if (within(state, 206, 209))
        return QStringLiteral("(К)");
    if (state == 400)
        return QStringLiteral("(П)");
    return QString();
}

} // namespace

RegimesWidget::RegimesWidget(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(37);

    m_nameLabel = new QLabel(QObject::tr("Технологические режимы"), this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setWordWrap(true);

    m_valueLabel = new QLabel(this);
    m_valueLabel->setObjectName(QStringLiteral("valueLongLabel_"));
    m_valueLabel->setFixedWidth(169);
    m_valueLabel->setWordWrap(true);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_nameLabel);
    layout->addWidget(m_valueLabel);

    m_timer.setSingleShot(true);
    m_timer.setInterval(400 + (rand() % 10) * 20);
    connect(&m_timer, &QTimer::timeout, this, &RegimesWidget::slotUpdateValue);
    if (MainApplication* app = MainApplication::getInstance()) {
        if (Parameters* parameters = app->getParameters())
            connect(parameters, &Parameters::signalParamUpdated, this, &RegimesWidget::slotParamUpdated);
    }
}

const QVector<quint16>& RegimesWidget::ids()
{
    static const QVector<quint16> shown = {447, 455, 464, 474, 483, 494, 499, 503,
                                           669, 687, 873, 955, 961, 1116, 1599, 1606};
    return shown;
}

void RegimesWidget::slotParamUpdated(quint16 id)
{
    // A burst of updates gives one refresh.
    if (ids().contains(id) && isVisible() && !m_timer.isActive())
        m_timer.start();
}

void RegimesWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slotUpdateValue();
}

QString RegimesWidget::regimesText()
{
    QString text;
    if (isOn(IdPeriodic)) {
        text += QObject::tr("Периодический");
        if (isOn(IdGuaranteedStart))
            addName(text, QObject::tr("Гарант. пуск"));
    }
    if (isOn(IdAlternation)) {
        addName(text, QObject::tr("Черед. F."));
        text += alternationSuffix(intValue(IdAlternationState));
    }
    if (isOn(IdSoftStart))
        addName(text, QObject::tr("ВНР"));
    if (isOn(IdMaintenance)) {
        addName(text, value(IdMaintenanceControl) == 0.0f ? QObject::tr("Поддерж.") : QObject::tr("Следов."));
        const int quantity = intValue(IdMaintenanceQuantity);
        if (within(quantity, 0, 9))
            text += QObject::tr(maintenanceQuantities[quantity]);
    }
    if (isOn(IdVoltageOptimisation)) {
        addName(text, QObject::tr("Опт.U"));
        text += optimisationSuffix(intValue(IdVoltageOptimisationState));
    }
    if (isOn(IdCurrentLimit))
        addName(text, QObject::tr("Токоогр."));
    if (isOn(IdShaking)) {
        addName(text, QObject::tr("Встряхивание"));
        text += shakingSuffix(intValue(IdShakingState));
    }
    if (isOn(IdPushing)) {
        addName(text, QObject::tr("Пркч"));
        text += pushingSuffix(intValue(IdPushingState));
    }
    if (isOn(IdPushingRn)) {
        addName(text, QObject::tr("Пркч РН"));
        text += pushingRnSuffix(intValue(IdPushingRnState));
    }
    if (isOn(IdDelayedStart) && value(IdStartMode) >= 1.0f)
        addName(text, QObject::tr("Отложенный пуск"));
    return text;
}

void RegimesWidget::slotUpdateValue()
{
    const QString text = regimesText();
    if (m_valueLabel->text() != text)
        m_valueLabel->setText(text);
}
