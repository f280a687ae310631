#include "basepasseditwidget.h"
#include "editrowevents.h"

#include "lineedit.h"
#include "parameterdef.h"
#include "saturate.h"

#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>

BasePassEditWidget::BasePassEditWidget(unsigned short id, int index, QWidget* parent)
    : BaseParamWidget(id, parent)
    , m_cycle(this, this, index, EditCycle::AsksAccess)
{
    setFocusPolicy(Qt::StrongFocus);

    m_nameLabel = EditCycle::createNameLabel(this);

    m_edit = new LineEdit(this);
    m_edit->setFixedWidth(93);
    m_edit->setEchoMode(QLineEdit::PasswordEchoOnEdit);

    m_unitLabel = new QLabel(this);
    m_unitLabel->setObjectName(QStringLiteral("unitLabel_"));
    m_unitLabel->setFixedWidth(105);
    m_unitLabel->setWordWrap(true);

    m_layout->addWidget(m_nameLabel, 1);
    m_layout->addWidget(m_edit);
    m_layout->addWidget(m_unitLabel);

    if (m_def)
        m_mask = maskFor(m_def->mask);
    m_edit->installEventFilter(this);
    connect(m_edit, &LineEdit::signalFocusOut, this, [this]() { m_cycle.focusLost(); });
    m_cycle.setWidgets({m_nameLabel, m_unitLabel}, m_edit);
    setState(0);
}

QString BasePassEditWidget::maskFor(const QString& format)
{
    QString mask = format;
    for (QChar& c : mask) {
        if (c.isDigit())
            c = QLatin1Char('0');
    }
    return mask + QStringLiteral(";0");
}

void BasePassEditWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BasePassEditWidget::undoChanges()
{
    slotUpdateValue();
}

void BasePassEditWidget::slotUpdateValue()
{
    // A field being edited belongs to the operator.
    if (isEditing() || m_edit->hasFocus() || !m_def)
        return;
    m_edit->init(m_def);
    m_edit->setInputMask(m_mask);
    // The mask is filled from the left: the value 1 put in as "1" would be
    // held as "1000", and an end without a key typed would write that back.
    // Padded to the format's length it is held as it is, "0001".
    QString text = valueText(false);
    if (isValid())
        text = text.rightJustified(m_def->mask.length(), QLatin1Char('0'));
    m_edit->setText(text);
}

void BasePassEditWidget::slotEditingBegin()
{
    if (isEditing() || !m_def)
        return;
    qDebug() << "Begin edit param id:" << id() << m_def->valueFloat();
    m_cycle.begin(id());
}

bool BasePassEditWidget::slotEditingEnd()
{
    return m_cycle.end();
}

void BasePassEditWidget::slotEditingBreak()
{
    m_cycle.breakOff();
}

bool BasePassEditWidget::editHasFocus() const
{
    return m_edit->hasFocus();
}

void BasePassEditWidget::openEdit()
{
    m_edit->setFocus();
}

QString BasePassEditWidget::rangeText() const
{
    const int width = m_def->mask.length();
    const QChar zero = QLatin1Char('0');
    return QStringLiteral("%1 [%2 ... %3]")
        .arg(QObject::tr("Диапазон допустимых значений"))
        .arg(saturatingInt(m_def->min.load()), width, 10, zero)
        .arg(saturatingInt(m_def->max.load()), width, 10, zero);
}

QString BasePassEditWidget::entryText() const
{
    // Until the first key the field shows bullets; the digits are what it holds.
    QString digits = m_edit->displayText();
    if (m_edit->echoMode() != QLineEdit::Normal) {
        m_edit->setEchoMode(QLineEdit::Normal);
        digits = m_edit->displayText();
        m_edit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    }
    qDebug() << "End edit param id:" << id() << "text:" << m_edit->text() << digits;
    return digits;
}

bool BasePassEditWidget::isEntryTyped() const
{
    return m_edit->isTyped();
}

bool BasePassEditWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (EditRowEvents::filterField(this, watched, event))
        return true;
    return BaseParamWidget::eventFilter(watched, event);
}

void BasePassEditWidget::mousePressEvent(QMouseEvent* event)
{
    Q_UNUSED(event);
    emit mousePress(index());
}

void BasePassEditWidget::keyPressEvent(QKeyEvent* event)
{
    EditRowEvents::keyPress(this, event);
}

void BasePassEditWidget::focusInEvent(QFocusEvent* event)
{
    BaseParamWidget::focusInEvent(event);
    setState(1);
}

void BasePassEditWidget::focusOutEvent(QFocusEvent* event)
{
    BaseParamWidget::focusOutEvent(event);
    m_cycle.focusLost();
}
