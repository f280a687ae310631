#include "screen_rebuild.h"

#include "baseform.h"
#include "mainwindow.h"

#include <QApplication>
#include <QDebug>
#include <QEvent>

ScreenRebuild::ScreenRebuild(BaseForm* form, Level level)
    : QObject(form)
    , m_form(form)
    , m_level(level)
{
    m_retry.setSingleShot(true);
    m_retry.setInterval(RetryMs);
    connect(&m_retry, &QTimer::timeout, this, &ScreenRebuild::slotRebuild);
    form->installEventFilter(this);
}

ScreenRebuild* ScreenRebuild::of(const BaseForm* form)
{
    return form ? form->findChild<ScreenRebuild*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

void ScreenRebuild::request(BaseForm* form, Level level)
{
    if (!form || !level)
        return;
    ScreenRebuild* rebuild = of(form);
    if (!rebuild)
        rebuild = new ScreenRebuild(form, level);
    rebuild->m_level = level;
    rebuild->m_pending = true;
    rebuild->slotRebuild();
}

bool ScreenRebuild::isPending(const BaseForm* form)
{
    const ScreenRebuild* rebuild = of(form);
    return rebuild && rebuild->m_pending;
}

QWidget* ScreenRebuild::dialogOfForm() const
{
    QWidget* modal = QApplication::activeModalWidget();
    for (QWidget* w = modal; w; w = w->parentWidget()) {
        if (w == m_form)
            return modal;
    }
    return nullptr;
}

bool ScreenRebuild::eventFilter(QObject* watched, QEvent* event)
{
    // From the event loop: the form stack is still busy showing the form.
    if (watched == m_form && event->type() == QEvent::Show && m_pending)
        QTimer::singleShot(0, this, &ScreenRebuild::slotRebuild);
    return QObject::eventFilter(watched, event);
}

void ScreenRebuild::slotRebuild()
{
    if (!m_pending)
        return;
    MainWindow* window = BaseForm::mainWindow();
    // Out of sight: the show catches up.
    if (!window || window->currentForm() != m_form || !m_form->isVisible())
        return;
    if (dialogOfForm()) {
        m_retry.start();
        return;
    }
    m_pending = false;
    const QString className = QLatin1String(m_form->metaObject()->className());
    qDebug().noquote() << className << "rebuilds";
    // The level is replaced: this screen is deleted once control is back in the event loop.
    window->addForm(m_level(), className);
}
