#include "baseform.h"

#include "baseaddreditwidget.h"
#include "basecombobox.h"
#include "basecombobox2.h"
#include "basedoubleparameditwidget.h"
#include "baseeditwidget.h"
#include "basepasseditwidget.h"
#include "virtualkeyboard.h" // basestringeditwidget.h keeps a QPointer to it
#include "basestringeditwidget.h"
#include "baseuuidwidget.h"
#include "datetimeeditwidget.h"
#include "basestatustextwidget.h"
#include "basestatuswidget.h"
#include "common.h"
#include "mainapplication.h"
#include "mainwindow.h"
#include "pushbutton.h"
#include "statuspushbutton.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>
#include <QScroller>
#include <QVBoxLayout>

namespace {

const char* const MousePressSignal = SIGNAL(mousePress(int));
const char* const EditingEndSignal = SIGNAL(signalEditingEnd(bool));

} // namespace

BaseForm::BaseForm(QWidget* parent, bool grid)
    : QScrollArea(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setWidgetResizable(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QScroller::grabGesture(this, QScroller::TouchGesture);

    // A thin bar of our own over the right edge of the content: it shows only
    // while the operator scrolls, so the rows keep the full width.
    m_scrollBar = new QScrollBar(Qt::Vertical, this);
    m_scrollBar->setObjectName(QStringLiteral("verticalScrollBar"));
    m_scrollBar->setPageStep(100);
    m_scrollBar->setFocusPolicy(Qt::NoFocus);
    m_scrollBar->hide();
    auto* overlay = new QHBoxLayout(this);
    overlay->setContentsMargins(0, 0, 0, 0);
    overlay->addStretch();
    overlay->addWidget(m_scrollBar);
    QScrollBar* area = verticalScrollBar();
    m_scrollBar->setRange(area->minimum(), area->maximum());
    connect(area, &QScrollBar::rangeChanged, m_scrollBar, &QScrollBar::setRange);
    connect(area, &QScrollBar::valueChanged, m_scrollBar, &QScrollBar::setValue);
    connect(m_scrollBar, &QScrollBar::valueChanged, area, &QScrollBar::setValue);

    m_scrollTimer.setSingleShot(true);
    m_scrollTimer.setInterval(2000);
    connect(&m_scrollTimer, &QTimer::timeout, m_scrollBar, &QWidget::hide);

    m_content = new QWidget;
    if (QScreen* screen = QGuiApplication::primaryScreen())
        m_content->setMaximumWidth(screen->size().width());
    m_contentLayout = new QVBoxLayout(m_content);
    m_contentLayout->setContentsMargins(0, 0, 0, 0);
    m_contentLayout->setSpacing(0);
    if (grid)
        m_rowsLayout = new QGridLayout;
    else
        m_rowsLayout = new QVBoxLayout;
    m_rowsLayout->setContentsMargins(0, 0, 0, 0);
    m_rowsLayout->setSpacing(3);
    m_contentLayout->addLayout(m_rowsLayout);
    m_contentLayout->addStretch();
    setWidget(m_content);

    setInfo(QObject::tr("Для перемещения используйте стрелки"));
}

BaseForm::~BaseForm()
{
    // Child screens built for a button that was never pressed belong to nobody else.
    qDeleteAll(m_subForms);
    qDebug().noquote() << QStringLiteral("~%1").arg(objectName());
}

void BaseForm::setTitle(const QString& title)
{
    m_title = title.toUpper();
}

void BaseForm::setInfo(const QString& info)
{
    m_info = info;
}

void BaseForm::setHeaderState(HeaderWidget::HeaderState state)
{
    if (MainWindow* window = mainWindow())
        window->headerWidget()->setState(state);
}

bool BaseForm::isAutoMoveNextParam()
{
    MainApplication* app = MainApplication::getInstance();
    return app && app->getValue(1372) != 0.0f;
}

MainWindow* BaseForm::mainWindow()
{
    MainApplication* app = MainApplication::getInstance();
    return app ? app->getMainWindow() : nullptr;
}

void BaseForm::setWayBack(LevelFactory level, const QString& menuClass)
{
    m_backLevel = level;
    m_backMenu = menuClass;
}

void BaseForm::returnToMenu()
{
    MainWindow* window = mainWindow();
    if (window && m_backLevel)
        window->addForm(m_backLevel(), m_backMenu);
}

void BaseForm::createForm(int buttonIdx)
{
    qDebug().noquote() << "createForm:" << objectName();
    m_created = true;
    createForm();
    setCurIdxButton(buttonIdx);
}

void BaseForm::setCurIdxButton(int buttonIdx)
{
    if (buttonIdx >= 0 && buttonIdx < m_subFormButtons.size())
        m_curRow = m_subFormButtons.at(buttonIdx);
    else
        m_curRow = 0;
}

QWidget* BaseForm::rowWidget(int row) const
{
    return m_rowWidgets.value(row, nullptr);
}

QGridLayout* BaseForm::gridLayout() const
{
    return qobject_cast<QGridLayout*>(m_rowsLayout);
}

void BaseForm::setPosition()
{
    if (m_rowCount == 0)
        return;
    if (m_curRow < 0 || m_curRow >= m_rowCount)
        m_curRow = 0;

    int sum = 0;
    for (int row = 0; row <= m_curRow; ++row) {
        if (QWidget* widget = rowWidget(row))
            sum += widget->height() + m_rowsLayout->spacing();
    }
    QScrollBar* bar = verticalScrollBar();
    const int half = bar->pageStep() / 2;
    if (sum != bar->value() + half)
        bar->setValue(sum - half);

    QTimer::singleShot(0, this, [this]() { focusCurrentRow(); });
}

void BaseForm::focusCurrentRow()
{
    // The form may have been turned away from (or replaced) meanwhile: a hidden
    // screen must not take the focus from the one now shown.
    if (!isVisible())
        return;
    QWidget* widget = rowWidget(m_curRow);
    if (!widget)
        return;
    // An open list (a combo's popup) is a window of its own: focusing the row
    // now would close it in the middle of a choice.
    if (QApplication::activePopupWidget())
        return;
    // A row whose own field is being edited already has what it needs.
    QWidget* focus = QApplication::focusWidget();
    if (focus && (focus == widget || widget->isAncestorOf(focus)))
        return;
    widget->setFocus();
}

void BaseForm::setCurrentWidget(int row)
{
    if (row != -1 && !m_rows.isEmpty() && row < m_rowCount)
        m_curRow = row;
    else
        m_curRow = 0;
    setPosition();
    showScrollBar();
}

void BaseForm::removeMainStretch()
{
    QLayoutItem* item = m_contentLayout->takeAt(m_contentLayout->count() - 1);
    if (item && item->layout() == m_rowsLayout) {
        // Never take the rows themselves out.
        m_contentLayout->addItem(item);
        return;
    }
    delete item;
}

void BaseForm::setFormsList(QList<BaseForm*> forms)
{
    if (forms == m_subForms)
        return;
    // A list built before and never shown would otherwise be lost.
    for (BaseForm* form : qAsConst(m_subForms)) {
        if (!forms.contains(form))
            delete form;
    }
    m_subForms = forms;
}

void BaseForm::showNextForm(int index)
{
    setFormsList();
    const int k = m_subFormButtons.indexOf(index);
    // The list passes to the form stack (or is discarded here): this form keeps
    // no pointer into it.
    const QList<BaseForm*> forms = m_subForms;
    m_subForms.clear();
    MainWindow* window = mainWindow();
    if (k < 0 || k >= forms.size() || !window) {
        qDeleteAll(forms);
        return;
    }
    window->addForm(forms, k, -1);
}

void BaseForm::keyUpPress()
{
    if (!isVisible() || m_rowCount == 0)
        return;
    m_curRow = m_curRow <= 0 ? m_rowCount - 1 : m_curRow - 1;
    setPosition();
    showScrollBar();
}

void BaseForm::keyDownPress()
{
    if (!isVisible() || m_rowCount == 0)
        return;
    m_curRow = m_curRow >= m_rowCount - 1 ? 0 : m_curRow + 1;
    setPosition();
    showScrollBar();
}

void BaseForm::mousePress(int row)
{
    if (!isVisible() || m_rowCount == 0 || row < 0 || row >= m_rowCount)
        return;
    m_curRow = row;
    setPosition();
}

void BaseForm::autoMoveNextParam(bool move)
{
    if (move && isAutoMoveNextParam())
        keyDownPress();
}

void BaseForm::showScrollBar()
{
    if (m_scrollBar->maximum() == 0)
        return;
    m_scrollBar->show();
    m_scrollBar->raise();
    // Place the bar at the right edge now, not on the next layout pass.
    if (layout())
        layout()->activate();
    m_scrollTimer.start();
}

bool BaseForm::event(QEvent* event)
{
    if (event->type() == QEvent::ScrollPrepare)
        showScrollBar();
    return QScrollArea::event(event);
}

void BaseForm::wheelEvent(QWheelEvent* event)
{
    QScrollArea::wheelEvent(event);
    showScrollBar();
}

void BaseForm::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Up || key == Qt::Key_F6) {
        event->accept();
        keyUpPress();
        return;
    }
    if (key == Qt::Key_Down || key == Qt::Key_F8) {
        event->accept();
        keyDownPress();
        return;
    }
    if (event->isAutoRepeat()) {
        event->accept();
        return;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        emit signalKeyEnterPress();
        QScrollArea::keyPressEvent(event);
        return;
    case Qt::Key_Escape:
    case Qt::Key_F3:
        // The screen is usually replaced here; the stack deletes it later.
        event->accept();
        returnBackForm();
        return;
    case Qt::Key_Left:
    case Qt::Key_F5:
        event->accept();
        emit signalKeyLeftPress();
        return;
    case Qt::Key_Right:
    case Qt::Key_F7:
        event->accept();
        emit signalKeyRightPress();
        return;
    case Qt::Key_F11:
        event->accept();
        emit signalKeyFuncPress();
        return;
    default:
        QScrollArea::keyPressEvent(event);
        return;
    }
}

void BaseForm::showEvent(QShowEvent* event)
{
    QScrollArea::showEvent(event);
    qDebug().noquote() << "showEvent:" << objectName();
    setFocus();
    setPosition();
    // The scroll range is known once the rows are laid out.
    QTimer::singleShot(0, this, &BaseForm::showScrollBar);
    QTimer::singleShot(1, this, &BaseForm::signalShowForm);
}

// --- rows ------------------------------------------------------------------------------

void BaseForm::appendRow(QWidget* widget, bool linkMouse)
{
    m_rows.append(m_rowCount);
    m_rowWidgets.append(widget);
    if (QGridLayout* grid = gridLayout())
        grid->addWidget(widget, m_rowCount, 0);
    else
        static_cast<QVBoxLayout*>(m_rowsLayout)->addWidget(widget);
    ++m_rowCount;
    if (linkMouse)
        connect(widget, MousePressSignal, this, SLOT(mousePress(int)));
}

void BaseForm::appendEditRow(QWidget* widget)
{
    connect(widget, EditingEndSignal, this, SLOT(autoMoveNextParam(bool)));
    appendRow(widget, true);
}

PushButton* BaseForm::addButton(const QString& text, const char* slot, const QPixmap& pixmap)
{
    auto* button = new PushButton(m_rowCount, text, pixmap, m_content);
    if (slot && *slot) {
        // Accept the slot's signature with or without the code SLOT() puts first.
        QByteArray method(slot);
        if (method.at(0) != '1')
            method.prepend('1');
        connect(button, SIGNAL(clicked(int)), this, method.constData());
    }
    appendRow(button, true);
    return button;
}

PushButton* BaseForm::addButton(const QString& text, const QPixmap& pixmap)
{
    auto* button = new PushButton(m_rowCount, text, pixmap, m_content);
    m_subFormButtons.append(m_rowCount);
    connect(button, &PushButton::clicked, this, &BaseForm::showNextForm);
    appendRow(button, true);
    return button;
}

StatusPushButton* BaseForm::addStatusButton(quint16 id, const QString& text, const PairList& list)
{
    auto* button = new StatusPushButton(m_rowCount, id, text, list, m_content);
    m_subFormButtons.append(m_rowCount);
    connect(button, &PushButton::clicked, this, &BaseForm::showNextForm);
    appendRow(button, true);
    return button;
}

BaseEditWidget* BaseForm::addEdit(quint16 id)
{
    return addEdit(Common::getTextFromId(id), id);
}

BaseEditWidget* BaseForm::addEdit(const QString& name, quint16 id)
{
    auto* edit = new BaseEditWidget(id, m_rowCount, m_content);
    edit->setName(name);
    appendEditRow(edit);
    return edit;
}

DateTimeEditWidget* BaseForm::addDateTimeEdit(quint16 id)
{
    auto* edit = new DateTimeEditWidget(id, m_rowCount, m_content);
    edit->setName(Common::getTextFromId(id));
    appendEditRow(edit);
    return edit;
}

BasePassEditWidget* BaseForm::addPassEdit(quint16 id)
{
    return addPassEdit(Common::getTextFromId(id), id);
}

BasePassEditWidget* BaseForm::addPassEdit(const QString& name, quint16 id)
{
    auto* edit = new BasePassEditWidget(id, m_rowCount, m_content);
    edit->setName(name);
    appendEditRow(edit);
    return edit;
}

BaseAddrEditWidget* BaseForm::addAddrEdit(quint16 id1, quint16 id2, quint16 id3, quint16 id4)
{
    return addAddrEdit(Common::getTextFromId(id1), id1, id2, id3, id4);
}

BaseAddrEditWidget* BaseForm::addAddrEdit(const QString& name, quint16 id1, quint16 id2, quint16 id3, quint16 id4)
{
    auto* edit = new BaseAddrEditWidget(id1, id2, id3, id4, m_rowCount, m_content);
    edit->setName(name);
    appendEditRow(edit);
    return edit;
}

BaseDoubleParamEditWidget* BaseForm::addDoubleParamEdit(quint16 id1, quint16 id2)
{
    return addDoubleParamEdit(Common::getTextFromId(id1), id1, id2);
}

BaseDoubleParamEditWidget* BaseForm::addDoubleParamEdit(const QString& name, quint16 id1, quint16 id2)
{
    auto* edit = new BaseDoubleParamEditWidget(id1, id2, m_rowCount, m_content);
    edit->setName(name);
    appendEditRow(edit);
    return edit;
}

BaseStringEditWidget* BaseForm::addStringEdit(quint16 id1, quint16 id2)
{
    return addStringEdit(Common::getTextFromId(id1), id1, id2);
}

BaseStringEditWidget* BaseForm::addStringEdit(const QString& name, quint16 id1, quint16 id2)
{
    auto* edit = new BaseStringEditWidget(id1, id2, m_rowCount, m_content);
    edit->setName(name);
    appendEditRow(edit);
    return edit;
}

BaseComboBox* BaseForm::addComboBox(quint16 id, const PairList& list)
{
    return addComboBox(Common::getTextFromId(id), id, list);
}

BaseComboBox* BaseForm::addComboBox(const QString& name, quint16 id, const PairList& list)
{
    auto* combo = new BaseComboBox(id, m_rowCount, m_content);
    combo->setName(name);
    combo->setValuesList(list);
    appendEditRow(combo);
    return combo;
}

BaseComboBox2* BaseForm::addComboBox(const QString& name, const PairList& list, int current)
{
    auto* combo = new BaseComboBox2(m_rowCount, m_content);
    combo->setName(name);
    combo->setValuesList(list, current);
    appendEditRow(combo);
    return combo;
}

BaseUuidWidget* BaseForm::addUuidText(const QString& name, quint16 id1, quint16 id2, quint16 id3, quint16 id4)
{
    auto* uuid = new BaseUuidWidget(id1, id2, id3, id4, m_content);
    uuid->setName(name);
    appendRow(uuid, false);
    return uuid;
}

BaseStatusWidget* BaseForm::addStatusNum(quint16 id, bool bits)
{
    return addStatusNum(Common::getTextFromId(id), id, bits);
}

BaseStatusWidget* BaseForm::addStatusNum(const QString& name, quint16 id, bool bits)
{
    auto* status = new BaseStatusWidget(id, m_rowCount, m_content);
    status->setName(name);
    status->setBitEnabled(bits);
    appendRow(status, true);
    return status;
}

BaseStatusTextWidget* BaseForm::addStatusText(quint16 id, const PairList& list)
{
    return addStatusText(Common::getTextFromId(id), id, list);
}

BaseStatusTextWidget* BaseForm::addStatusText(const QString& name, quint16 id, const PairList& list)
{
    auto* status = new BaseStatusTextWidget(id, m_rowCount, m_content);
    status->setName(name);
    status->setValuesList(list);
    appendRow(status, true);
    return status;
}

QWidget* BaseForm::addWidget(QWidget* widget)
{
    appendRow(widget, false);
    return widget;
}

QWidget* BaseForm::insertWidget(QWidget* widget)
{
    m_rows.append(m_rowCount);
    const bool hadItems = m_rowsLayout->count() > 0;
    ++m_rowCount;
    if (hadItems)
        ++m_curRow;
    m_rowWidgets.prepend(widget);
    if (QGridLayout* grid = gridLayout()) {
        // A grid cannot insert: lay the rows out again, the new one first.
        for (QWidget* row : qAsConst(m_rowWidgets))
            grid->removeWidget(row);
        for (int i = 0; i < m_rowWidgets.size(); ++i)
            grid->addWidget(m_rowWidgets.at(i), i, 0);
    } else {
        static_cast<QVBoxLayout*>(m_rowsLayout)->insertWidget(0, widget);
    }
    int maximum = 0;
    for (QWidget* row : qAsConst(m_rowWidgets))
        maximum += row->height() + m_rowsLayout->spacing();
    m_scrollBar->setMaximum(maximum);
    setPosition();
    return widget;
}
