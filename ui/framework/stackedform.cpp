#include "stackedform.h"

#include "baseform.h"
#include "mainapplication.h"
#include "saturate.h"

#include <QDebug>
#include <QSlider>
#include <QStackedLayout>

StackedForm::StackedForm(QWidget* parent)
    : QVBoxLayout(parent)
    , m_carousel(this)
{
    m_carousel.setObjectName(QStringLiteral("carouselTimer"));
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);

    m_pages = new QStackedLayout;
    addLayout(m_pages, 1);

    m_slider = new QSlider(Qt::Horizontal);
    m_slider->setObjectName(QStringLiteral("slider_"));
    m_slider->setFixedHeight(2);
    m_slider->setAttribute(Qt::WA_TranslucentBackground);
    m_slider->setFocusPolicy(Qt::NoFocus);
    m_slider->setMaximum(7);
    m_slider->setSliderDown(false);
    m_slider->hide();
    addWidget(m_slider);

    connect(&m_carousel, &QTimer::timeout, this, &StackedForm::slotNextForm);
}

StackedForm::~StackedForm()
{
    // The screens of the list are children of the window and go with it.
    m_forms.clear();
}

BaseForm* StackedForm::currentForm() const
{
    return m_forms.value(m_index, nullptr);
}

void StackedForm::removeAllWidgets()
{
    const QList<BaseForm*> old = m_forms;
    m_forms.clear();
    m_index = 0;
    for (BaseForm* form : old) {
        if (!form)
            continue;
        // The old screen may be the one whose key handler or slot asked for the
        // new list: take it out of sight now and delete it once control is back
        // in the event loop, never under the running handler.
        m_pages->removeWidget(form);
        form->hide();
        disconnect(form, nullptr, this, nullptr);
        form->deleteLater();
    }
}

void StackedForm::addForm(QList<BaseForm*> forms, int formIdx, int buttonIdx)
{
    forms.removeAll(nullptr);
    if (forms.isEmpty()) {
        qWarning() << "StackedForm::addForm: an empty list of forms";
        return;
    }
    // A form handed over again must not be deleted with the old list.
    for (BaseForm* form : qAsConst(m_forms)) {
        if (forms.contains(form))
            m_forms.removeAll(form);
    }
    removeAllWidgets();
    m_forms = forms;
    if (formIdx < 0 || formIdx >= m_forms.size())
        formIdx = 0;
    setCurrentForm(formIdx, buttonIdx);
    const bool several = m_forms.size() > 1;
    emit signalSwitchPageVisible(several, several);
}

void StackedForm::setCurrentForm(int index, int buttonIdx)
{
    if (index < 0 || index >= m_forms.size())
        return;
    m_index = index;
    BaseForm* form = m_forms.at(index);
    if (!form->isCreated()) {
        form->createForm(buttonIdx);
        m_pages->addWidget(form);
        connect(form, &BaseForm::signalKeyLeftPress, this, &StackedForm::slotPrevForm);
        connect(form, &BaseForm::signalKeyRightPress, this, &StackedForm::slotNextForm);
    } else if (m_pages->indexOf(form) < 0) {
        m_pages->addWidget(form);
    }
    m_pages->setCurrentWidget(form);
    form->repaint();
    emit setTextTitle(form->title());
    emit setTextInfo(form->textInfo());
    if (m_forms.size() < 2)
        hideSlider();
    else
        showSlider(index, m_forms.size() - 1);
}

void StackedForm::setCarouselEnabled(bool on)
{
    MainApplication* app = MainApplication::getInstance();
    const int period = app ? saturatingInt(app->getValue(762)) : 0;
    if (on && period > 0)
        m_carousel.start(static_cast<int>(qMin<qint64>(static_cast<qint64>(period) * 1000, 0x7FFFFFFF)));
    else
        m_carousel.stop();
}

void StackedForm::showSlider(int value, int maximum)
{
    m_slider->setMaximum(maximum);
    m_slider->setValue(value);
    m_slider->show();
}

void StackedForm::hideSlider()
{
    m_slider->hide();
}

void StackedForm::slotPrevForm()
{
    if (m_forms.size() < 2)
        return;
    const int index = m_index <= 0 ? m_forms.size() - 1 : m_index - 1;
    setCurrentForm(index, -1);
}

void StackedForm::slotNextForm()
{
    if (m_forms.size() < 2)
        return;
    const int index = m_index >= m_forms.size() - 1 ? 0 : m_index + 1;
    setCurrentForm(index, -1);
}
