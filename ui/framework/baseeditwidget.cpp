#include "baseeditwidget.h"
#include "editrowevents.h"

#include "common.h"
#include "lineedit.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "parameterdef.h"
#include "parameters.h"
#include "units.h"
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

bool isFullDateTime(const ParameterDef* def)
{
    return def && Units::quantity(def->physic.load()) == 1 && def->unitOut == 1;
}

} // namespace

BaseEditWidget::BaseEditWidget(unsigned short id, int index, QWidget* parent)
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
    connect(m_edit, &LineEdit::signalFocusOut, this, &BaseEditWidget::focusLost);
    setState(0);
}

void BaseEditWidget::setName(const QString& name)
{
    m_nameLabel->setText(name);
}

void BaseEditWidget::setState(int state)
{
    m_state = state;
    int fieldState = state;
    if (m_warning && state == 1)
        fieldState = 4;
    else if (m_warning && state == 0)
        fieldState = 3;
    applyWidgetState(m_nameLabel, state);
    applyWidgetState(m_edit, fieldState);
    applyWidgetState(m_unitLabel, state);
    update();
}

void BaseEditWidget::setWarning(bool warning)
{
    if (m_warning == warning)
        return;
    m_warning = warning;
    setState(m_state);
}

void BaseEditWidget::slotUpdateValue()
{
    // A field being edited belongs to the operator: an update waits for the end.
    if (m_editing || m_edit->hasFocus())
        return;
    m_edit->init(m_def);
    m_edit->setText(valueText(false));
}

void BaseEditWidget::undoChanges()
{
    slotUpdateValue();
}

void BaseEditWidget::slotEditingBegin()
{
    if (m_editing || !m_def)
        return;
    qDebug() << "Begin edit param id:" << id();
    MainApplication* app = MainApplication::getInstance();
    if (!app)
        return;
    // The access check may run a password dialog; the screen can be replaced
    // (idle return, block) while it waits.
    QPointer<BaseEditWidget> self(this);
    const bool granted = app->isAccess(this, id(), 0, QString());
    if (!self || !granted)
        return;

    m_editing = true;
    setState(2);
    const int quantity = Units::quantity(m_def->physic.load());
    if (quantity == 2 && m_def->unitOut != 1 && m_def->unitOut != 2) {
        unTypeData raw;
        raw.u = m_def->value.load();
        m_edit->setText(Common::getTextValue(raw, m_def, isValid(), true));
    }
    m_edit->setInputMask(m_edit->storedMask());
    m_edit->setFocus();

    if (MainWindow* window = mainWindow()) {
        m_savedInfo = window->textInfo();
        m_footerSaved = true;
        if (quantity == 1) {
            window->setTextInfo(QString());
        } else {
            window->setTextInfo(QStringLiteral("%1 [%2 ... %3]")
                                    .arg(QObject::tr("Диапазон допустимых значений"), m_edit->minText(),
                                         m_edit->maxText()));
        }
    }
    emit signalEditingBegin();
}

bool BaseEditWidget::slotEditingEnd()
{
    if (!m_editing)
        return false;
    m_editing = false;
    const QString text = (id() >= 573 && id() <= 577) ? m_edit->text() : m_edit->displayText();
    qDebug() << "End edit param id:" << id() << "text:" << text;
    setFocus();
    m_edit->setInputMask(QString());
    m_edit->setText(text);
    const bool ok = setValue(text);
    if (!ok)
        undoChanges();
    setWarning(!ok);
    QPointer<BaseEditWidget> self(this);
    emit signalEditingEnd(ok);
    if (self)
        restoreFooter();
    return ok;
}

void BaseEditWidget::slotEditingBreak()
{
    if (!m_editing)
        return;
    m_editing = false;
    setFocus();
    m_edit->setInputMask(QString());
    undoChanges();
    QPointer<BaseEditWidget> self(this);
    emit signalEditingEnd(false);
    if (self)
        restoreFooter();
}

void BaseEditWidget::restoreFooter()
{
    if (!m_footerSaved)
        return;
    m_footerSaved = false;
    if (MainWindow* window = mainWindow())
        window->setTextInfo(m_savedInfo);
}

void BaseEditWidget::focusLost()
{
    if (m_edit->hasFocus())
        return;
    if (m_editing) {
        m_editing = false;
        m_edit->setInputMask(QString());
        undoChanges();
        QPointer<BaseEditWidget> self(this);
        emit signalEditingEnd(false);
        if (!self)
            return;
        restoreFooter();
    } else {
        m_edit->deselect();
    }
    setState(0);
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
    emit mousePress(m_index);
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
    focusLost();
}
