#include "pushbutton.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>

namespace {

void repolish(QWidget* widget)
{
    QStyle* style = widget->style();
    style->unpolish(widget);
    style->polish(widget);
}

} // namespace

PushButton::PushButton(int index, const QString& text, const QPixmap& pixmap, QWidget* parent)
    : QLabel(parent)
    , m_index(index)
{
    setObjectName(QStringLiteral("button"));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumHeight(37);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(5);

    if (!pixmap.isNull()) {
        m_iconLabel = new QLabel(this);
        m_iconLabel->setObjectName(QStringLiteral("iconButton_"));
        m_iconLabel->setAttribute(Qt::WA_TranslucentBackground);
        m_iconLabel->setMinimumHeight(minimumHeight());
        m_iconLabel->setPixmap(pixmap);
        layout->addWidget(m_iconLabel);
    }

    m_textLabel = new QLabel(text, this);
    m_textLabel->setObjectName(QStringLiteral("textButton_"));
    m_textLabel->setAttribute(Qt::WA_TranslucentBackground);
    m_textLabel->setMinimumHeight(minimumHeight());
    m_textLabel->setWordWrap(true);
    layout->addWidget(m_textLabel, 1);

    setState(0);
}

QString PushButton::text() const
{
    return m_textLabel->text();
}

void PushButton::setText(const QString& text)
{
    m_textLabel->setText(text);
}

void PushButton::setState(int state)
{
    m_state = state;
    // The style sheet selects on the dynamic property: each widget must be
    // re-polished to pick the new rule up.
    if (m_iconLabel) {
        m_iconLabel->setProperty("state", state);
        repolish(m_iconLabel);
    }
    m_textLabel->setProperty("state", state);
    repolish(m_textLabel);
    setProperty("state", state);
    repolish(this);
    update();
}

void PushButton::setIcon(const QString& path)
{
    const QPixmap pixmap(path);
    if (pixmap.isNull() || !m_iconLabel)
        return;
    m_iconLabel->setPixmap(pixmap);
}

void PushButton::setAlignment(Qt::Alignment alignment)
{
    m_textLabel->setAlignment(alignment);
}

void PushButton::keyPressEvent(QKeyEvent* event)
{
    if (event->isAutoRepeat()) {
        event->ignore();
        return;
    }
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F4:
        event->accept();
        emit clicked(m_index);
        return;
    default:
        // Every other key belongs to the screen (cursor, paging, back).
        event->ignore();
        return;
    }
}

void PushButton::mousePressEvent(QMouseEvent* event)
{
    m_pressX = qRound(event->localPos().x());
    m_pressY = qRound(event->localPos().y());
    emit mousePress(m_index);
}

void PushButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (qRound(event->localPos().x()) == m_pressX && qRound(event->localPos().y()) == m_pressY)
        emit clicked(m_index);
}

void PushButton::focusInEvent(QFocusEvent* event)
{
    QLabel::focusInEvent(event);
    setState(1);
}

void PushButton::focusOutEvent(QFocusEvent* event)
{
    QLabel::focusOutEvent(event);
    setState(0);
}
