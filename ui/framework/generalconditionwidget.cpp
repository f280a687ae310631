#include "generalconditionwidget.h"

#include "common.h"
#include "mainapplication.h"
#include "parameterdef.h"
#include "parameters.h"
#include "saturate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <cstdlib>

namespace {

const quint16 IdCondition = 666;
const quint16 IdReasonStop = 535;
const quint16 IdPeriodicMode = 447;
const quint16 IdTimeToStop = 452;
const quint16 IdAlternationMode = 455;
const quint16 IdFrequency = 10001;
const quint16 IdFrequencyF1 = 456;
const quint16 IdFrequencyF2 = 460;
const quint16 IdTimeToF2 = 1391;
const quint16 IdTimeToF1 = 1392;
const quint16 IdGuaranteedStart = 669;
const quint16 IdTimeToRestart = 531;
const quint16 IdDriveType = 685;
const quint16 IdDriveLink = 702;
const quint16 IdDelayedStart = 955;
const quint16 IdStartMode = 15;
const quint16 IdTimeToStart = 878;

const char* const StyleWhite = "background: #FFFFFF; color: #000000;";
const char* const StyleGreen = "background: #00C600; color: #FFFFFF;";
const char* const StyleOrange = "background: #FF8000; color: #FFFFFF;";
const char* const StyleRed = "background: #FF0000; color: #FFFFFF;";

// What a running delay adds after the protection's name.
enum DetailKind { VsdWarning, AiAlarmSide, DiFunction, PinKind };

struct DelayDetail
{
    quint16 delayId;
    const char* format;
    quint16 detailId;
    DetailKind kind;
};

// delay parameter, format, detail parameter, text of the detail
const DelayDetail delayDetails[] = {
    {755, ". %1", 844, VsdWarning},
    {745, " %1", 845, AiAlarmSide},
    {746, " %1", 846, AiAlarmSide},
    {747, " %1", 847, AiAlarmSide},
    {748, " %1", 848, AiAlarmSide},
    {749, " %1", 337, DiFunction},
    {750, " %1", 352, DiFunction},
    {751, " %1", 367, DiFunction},
    {752, " %1", 382, DiFunction},
    {1255, " %1", 1248, DiFunction},
    {1272, " %1", 1265, DiFunction},
    {1289, " %1", 1282, DiFunction},
    {1306, " %1", 1299, DiFunction},
    {1806, " %1", 1799, DiFunction},
    {1828, " %1", 1821, DiFunction},
    {1850, " %1", 1843, DiFunction},
    {1872, " %1", 1865, DiFunction},
    {1894, " %1", 1887, DiFunction},
    {1916, " %1", 1909, DiFunction},
    {1938, " %1", 1931, DiFunction},
    {1960, " %1", 1953, DiFunction},
    {1982, " %1", 1975, DiFunction},
    {741, " %1", 2084, PinKind},
};

Parameters* store()
{
    MainApplication* app = MainApplication::getInstance();
    return app && app->getParameters() ? app->getParameters() : Common::parameters();
}

float value(quint16 id)
{
    const Parameters* parameters = store();
    return parameters ? parameters->get(id) : 0.0f;
}

// Codes held in float parameters: NaN and out-of-range values saturate, so the
// board and a desktop build read the same code.
int intValue(quint16 id)
{
    return saturatingInt(value(id));
}

unsigned short low16(quint16 id)
{
    return static_cast<unsigned short>(intValue(id) & 0xFFFF);
}

// A parameter's value as the screens show it, from its raw word.
QString valueText(quint16 id)
{
    const Parameters* parameters = store();
    const ParameterDef* def = parameters ? parameters->getParameter(id) : nullptr;
    if (!def)
        return QStringLiteral("---");
    unTypeData data;
    data.u = def->value.load();
    return Common::getTextValue(data, def, def->validity.load() != 0, false);
}

QString detailText(const DelayDetail& detail)
{
    switch (detail.kind) {
    case VsdWarning:
        return Common::getTextVsdWarning(intValue(detail.detailId), true);
    case AiAlarmSide:
        return Common::getTextAiAlarmType(intValue(detail.detailId));
    case DiFunction:
        return Common::getTextDiParameter(low16(detail.detailId));
    case PinKind:
        return Common::getTextPinType(low16(detail.detailId));
    }
    return QString();
}

} // namespace

GeneralConditionWidget::GeneralConditionWidget(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(37);
    setMaximumHeight(77);

    m_label = new QLabel(this);
    m_label->setObjectName(QStringLiteral("conditionLabel_"));
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    m_label->setTextFormat(Qt::RichText);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_label, 1);

    // Drawn once per widget, so that widgets built together refresh apart.
    m_timer.setInterval(400 + (rand() % 10) * 20);
    connect(&m_timer, &QTimer::timeout, this, &GeneralConditionWidget::slotUpdateValue);
    m_timer.start();
}

void GeneralConditionWidget::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    slotUpdateValue();
}

QString GeneralConditionWidget::getNameDelay()
{
    const int row = Common::runningDelayIndex();
    if (row < 0)
        return QString();
    const QList<int> delays = Common::delayIdsList();
    QString name = Common::protectionNamesList().value(row);
    const int delayId = delays.value(row, -1);
    for (const DelayDetail& detail : delayDetails) {
        if (detail.delayId == delayId) {
            name += QString::fromLatin1(detail.format).arg(detailText(detail));
            break;
        }
    }
    return name;
}

QString GeneralConditionWidget::wrapText(const QStringList& lines)
{
    QStringList escaped;
    escaped.reserve(lines.size());
    for (const QString& line : lines)
        escaped << line.toHtmlEscaped();
    return QStringLiteral("<div style=\"line-height:90%\"><center>") + escaped.join(QStringLiteral("<br>"))
           + QStringLiteral("</center></div>");
}

GeneralConditionWidget::Banner GeneralConditionWidget::banner()
{
    const int condition = intValue(IdCondition);
    const QString conditionText = Common::getTextCondition(condition);
    const QString reason = Common::getTextReasonStop(intValue(IdReasonStop));
    const auto line = [](const QString& caption, quint16 id) { return caption + QLatin1Char(' ') + valueText(id); };

    switch (condition) {
    case 1:
        return Banner{1, QString::fromLatin1(StyleWhite), {conditionText}};
    case 2:
    case 3: {
        QStringList lines{conditionText};
        if (value(IdPeriodicMode) != 0.0f) {
            lines << line(QObject::tr("До останова:"), IdTimeToStop);
        } else if (value(IdAlternationMode) != 0.0f) {
            if (value(IdFrequency) == value(IdFrequencyF1))
                lines << line(QObject::tr("До перехода на F2:"), IdTimeToF2);
            if (value(IdFrequency) == value(IdFrequencyF2))
                lines << line(QObject::tr("До перехода на F1:"), IdTimeToF1);
        }
        return Banner{condition, QString::fromLatin1(StyleGreen), lines};
    }
    case 4:
        return Banner{4, QString::fromLatin1(StyleOrange), {conditionText, getNameDelay()}};
    case 5: {
        QString restart = QObject::tr("До") + QLatin1Char(' ');
        if (value(IdGuaranteedStart) != 0.0f)
            restart += QObject::tr("гарант.") + QLatin1Char(' ');
        restart += line(QObject::tr("пуска:"), IdTimeToRestart);
        return Banner{5, QString::fromLatin1(StyleOrange), {conditionText, reason, restart}};
    }
    case 6:
        return Banner{6, QString::fromLatin1(StyleRed), {conditionText, reason}};
    default:
        break;
    }

    const QString refused = QObject::tr("ПУСК ЗАПРЕЩЕН");
    const QString prevent = Common::getTextPrevent();
    if (!prevent.isEmpty())
        return Banner{CaseRulePrevent, QString::fromLatin1(StyleRed), {refused, prevent}};
    if (low16(IdDriveType) == 0)
        return Banner{CaseRuleNoDriveType, QString::fromLatin1(StyleRed), {refused, QObject::tr("Не выбран тип ЧРП")}};
    if (value(IdDriveLink) == 0.0f)
        return Banner{CaseRuleNoDriveLink, QString::fromLatin1(StyleRed), {refused, QObject::tr("Нет связи с ЧРП")}};
    if (value(IdDelayedStart) != 0.0f && value(IdStartMode) >= 1.0f)
        return Banner{CaseRuleDelayedStart, QString::fromLatin1(StyleOrange), {conditionText, reason}};
    if (value(IdGuaranteedStart) != 0.0f && value(IdStartMode) >= 2.0f) {
        return Banner{CaseRuleGuaranteedStart, QString::fromLatin1(StyleOrange),
                      {conditionText, reason, line(QObject::tr("Запуск:"), IdTimeToStart)}};
    }
    return Banner{CaseRuleStopped, QString::fromLatin1(StyleWhite), {conditionText, reason}};
}

void GeneralConditionWidget::slotUpdateValue()
{
    if (!isVisible())
        return;
    const Banner shown = banner();
    // A new style sheet re-polishes the label: only on a change of case.
    if (shown.colourCase != m_case) {
        m_case = shown.colourCase;
        m_label->setStyleSheet(shown.styleSheet);
    }
    const QString text = wrapText(shown.lines);
    if (m_label->text() != text)
        m_label->setText(text);
}
