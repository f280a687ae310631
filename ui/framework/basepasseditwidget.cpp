#include "basepasseditwidget.h"
#include "editrowevents.h"

#include "lineedit.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameterdef.h"
#include "saturate.h"
#include "widgetstate.h"

#include <QDebug>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>

namespace {

MainWindow* mainWindow()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getMainWindow() : nullptr;
}

} // namespace

BasePassEditWidget::BasePassEditWidget(unsigned short id, int index, QWidget* parent)
    : BaseParamWidget(id, parent)
    , m_index(index)
{
    setFocusPolicy(Qt::StrongFocus);

    m_nameLabel = new QLabel(this);
    m_nameLabel->setObjectName(QStringLiteral("nameLabel_"));
    m_nameLabel->setMinimumHeight(minimumHeight());
    m_nameLabel->setWordWrap(true);

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
    connect(m_edit, &LineEdit::signalFocusOut, this, &BasePassEditWidget::focusLost);
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

void BasePassEditWidget::setState(int state)
{
    m_state = state;
    applyWidgetState(m_nameLabel, state);
    applyWidgetState(m_edit, state);
    applyWidgetState(m_unitLabel, state);
    update();
}

void BasePassEditWidget::undoChanges()
{
    slotUpdateValue();
}

void BasePassEditWidget::slotUpdateValue()
{
    // A field being edited belongs to the operator.
    if (m_editing || m_edit->hasFocus() || !m_def)
        return;
    m_edit->init(m_def);
    m_edit->setInputMask(m_mask);
    m_edit->setText(valueText(false));
}

QString BasePassEditWidget::fieldDigits() const
{
    // Until the first key the field shows bullets; the digits are what it holds.
    if (m_edit->echoMode() == QLineEdit::Normal)
        return m_edit->displayText();
    m_edit->setEchoMode(QLineEdit::Normal);
    const QString digits = m_edit->displayText();
    m_edit->setEchoMode(QLineEdit::PasswordEchoOnEdit);
    return digits;
}

void BasePassEditWidget::slotEditingBegin()
{
    if (m_editing || !m_def)
        return;
    qDebug() << "Begin edit param id:" << id() << m_def->valueFloat();
    MainApplication* app = MainApplication::getInstance();
    if (!app)
        return;
    QPointer<BasePassEditWidget> self(this);
    const bool granted = app->isAccess(this, id(), 0, QString());
    if (!self || !granted)
        return;

    m_editing = true;
    setState(2);
    m_edit->setFocus();
    if (MainWindow* window = mainWindow()) {
        m_savedInfo = window->textInfo();
        m_footerSaved = true;
        const int width = m_def->mask.length();
        const QChar zero = QLatin1Char('0');
        window->setTextInfo(QStringLiteral("%1 [%2 ... %3]")
                                .arg(QObject::tr("Диапазон допустимых значений"))
                                .arg(saturatingInt(m_def->min.load()), width, 10, zero)
                                .arg(saturatingInt(m_def->max.load()), width, 10, zero));
    }
}

bool BasePassEditWidget::slotEditingEnd()
{
    if (!m_editing)
        return false;
    const QString text = fieldDigits();
    qDebug() << "End edit param id:" << id() << "text:" << m_edit->text() << text;
    m_editing = false;
    setFocus();
    const bool ok = setValue(text);
    if (!ok)
        undoChanges();
    QPointer<BasePassEditWidget> self(this);
    emit signalEditingEnd(ok);
    if (self)
        restoreFooter();
    return ok;
}

void BasePassEditWidget::slotEditingBreak()
{
    if (!m_editing)
        return;
    m_editing = false;
    setFocus();
    undoChanges();
    QPointer<BasePassEditWidget> self(this);
    emit signalEditingEnd(false);
    if (self)
        restoreFooter();
}

void BasePassEditWidget::restoreFooter()
{
    if (!m_footerSaved)
        return;
    m_footerSaved = false;
    if (MainWindow* window = mainWindow())
        window->setTextInfo(m_savedInfo);
}

void BasePassEditWidget::focusLost()
{
    if (m_edit->hasFocus())
        return;
    if (m_editing) {
        m_editing = false;
        undoChanges();
        QPointer<BasePassEditWidget> self(this);
        emit signalEditingEnd(false);
        if (!self)
            return;
        restoreFooter();
    } else {
        m_edit->deselect();
    }
    setState(0);
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
    emit mousePress(m_index);
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
    focusLost();
}
