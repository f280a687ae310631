#include "baseeditwidget.h"
#include "editrowevents.h"

#include "common.h"
#include "lineedit.h"
#include "mainapplication.h"
#include "parameterdef.h"
#include "parameters.h"
#include "units.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>

namespace {

bool isFullDateTime(const ParameterDef* def)
{
    return def && Units::quantity(def->physic.load()) == 1 && def->unitOut.load() == 1;
}

} // namespace

BaseEditWidget::BaseEditWidget(unsigned short id, int index, QWidget* parent)
    : BaseParamWidget(id, parent)
    , m_cycle(this, this, index, EditCycle::AsksAccess | EditCycle::ShowsWarning)
{
    setFocusPolicy(Qt::StrongFocus);

    m_nameLabel = EditCycle::createNameLabel(this);

    m_edit = new LineEdit(this);
    m_edit->setFixedWidth(93);

    m_unitLabel = new QLabel(this);
    m_unitLabel->setObjectName(QStringLiteral("unitLabel_"));
    m_unitLabel->setFixedWidth(105);
    m_unitLabel->setWordWrap(true);
    MainApplication* app = MainApplication::getInstance();
    if (app && app->getParameters())
        m_unitLabel->setText(app->getParameters()->getTextUnit(m_def));

    if (isFullDateTime(m_def)) {
        m_edit->setObjectName(QStringLiteral("valueLongLabel_"));
        m_edit->setFixedWidth(198);
        m_edit->setClear(false);
        m_unitLabel->hide();
    }

    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_edit);
    m_layout->addWidget(m_unitLabel);

    m_edit->installEventFilter(this);
    connect(m_edit, &LineEdit::signalFocusOut, this, [this]() { m_cycle.focusLost(); });
    m_cycle.setWidgets({m_nameLabel, m_unitLabel}, m_edit);
    setState(0);
}

void BaseEditWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseEditWidget::slotUpdateValue()
{
    // A field being edited belongs to the operator: an update waits for the end.
    if (isEditing() || m_edit->hasFocus())
        return;
    m_edit->init(m_def);
    m_edit->showText(valueText(false));
}

void BaseEditWidget::undoChanges()
{
    slotUpdateValue();
}

void BaseEditWidget::slotEditingBegin()
{
    if (isEditing() || !m_def)
        return;
    qDebug() << "Begin edit param id:" << id();
    // Nothing of the row may be touched when the begin fails: the row can be
    // destroyed while the access check runs.
    if (m_cycle.begin(id()))
        emit signalEditingBegin();
}

bool BaseEditWidget::slotEditingEnd()
{
    return m_cycle.end();
}

void BaseEditWidget::slotEditingBreak()
{
    m_cycle.breakOff();
}

bool BaseEditWidget::editHasFocus() const
{
    return m_edit->hasFocus();
}

void BaseEditWidget::openEdit()
{
    const int quantity = Units::quantity(m_def->physic.load());
    const quint8 unit = m_def->unitOut.load();
    if (quantity == 2 && unit != 1 && unit != 2) {
        unTypeData raw;
        raw.u = m_def->value.load();
        // Whole, in the layout of the field's mask when it has one.
        const QString text = Common::getTextValue(raw, m_def, isValid(), true);
        if (m_edit->storedMask().isEmpty())
            m_edit->showText(text);
        else
            m_edit->showMasked(text);
    } else {
        m_edit->setInputMask(m_edit->storedMask());
    }
    m_edit->setFocus();
}

QString BaseEditWidget::rangeText() const
{
    // A date and time has no range worth showing.
    if (Units::quantity(m_def->physic.load()) == 1)
        return QString();
    return QStringLiteral("%1 [%2 ... %3]")
        .arg(QObject::tr("Диапазон допустимых значений"), m_edit->minText(), m_edit->maxText());
}

QString BaseEditWidget::entryText() const
{
    // The passwords are read as typed, without the mask's fill.
    const QString text = (id() >= 573 && id() <= 577) ? m_edit->text() : m_edit->displayText();
    qDebug() << "End edit param id:" << id() << "text:" << text;
    return text;
}

void BaseEditWidget::closeEdit()
{
    m_edit->setInputMask(QString());
}

bool BaseEditWidget::commitEntry(const QString& text)
{
    m_edit->showText(text);
    return setValue(text);
}

bool BaseEditWidget::isEntryTyped() const
{
    return m_edit->isTyped();
}

bool BaseEditWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (EditRowEvents::filterField(this, watched, event))
        return true;
    return BaseParamWidget::eventFilter(watched, event);
}

void BaseEditWidget::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit mousePress(index());
}

void BaseEditWidget::keyPressEvent(QKeyEvent* event)
{
    EditRowEvents::keyPress(this, event);
}

void BaseEditWidget::focusInEvent(QFocusEvent* event)
{
    BaseParamWidget::focusInEvent(event);
    setState(1);
}

void BaseEditWidget::focusOutEvent(QFocusEvent* event)
{
    BaseParamWidget::focusOutEvent(event);
    m_cycle.focusLost();
}
