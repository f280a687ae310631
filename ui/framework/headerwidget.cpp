#include "headerwidget.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

HeaderWidget::HeaderWidget(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("HeaderWidget"));
    setFixedHeight(37);

    m_leftPage = new QLabel(this);
    m_leftPage->setObjectName(QStringLiteral("leftPageLabel_"));
    m_leftPage->setFixedWidth(38);
    m_leftPage->setPixmap(QPixmap(QStringLiteral(":/images/left_page")));
    m_leftPage->setAlignment(Qt::AlignCenter);
    m_leftPage->installEventFilter(this);

    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("titleLabel_"));
    m_title->setAlignment(Qt::AlignCenter);

    m_rightPage = new QLabel(this);
    m_rightPage->setObjectName(QStringLiteral("rightPageLabel_"));
    m_rightPage->setFixedWidth(38);
    m_rightPage->setPixmap(QPixmap(QStringLiteral(":/images/right_page")));
    m_rightPage->setAlignment(Qt::AlignCenter);
    m_rightPage->installEventFilter(this);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(3);
    layout->addWidget(m_leftPage);
    layout->addWidget(m_title, 1);
    layout->addWidget(m_rightPage);

    setState(Normal);
}

QString HeaderWidget::title() const
{
    return m_title->text();
}

bool HeaderWidget::isLeftVisible() const
{
    return !m_leftPage->isHidden();
}

bool HeaderWidget::isRightVisible() const
{
    return !m_rightPage->isHidden();
}

void HeaderWidget::setTextTitle(QString text)
{
    m_title->setText(text.toUpper());
}

void HeaderWidget::setState(HeaderState state)
{
    m_state = state;
    switch (state) {
    case Red:
        m_title->setStyleSheet(QStringLiteral("* { background: red; color: #FFFFFF; }"));
        break;
    case Orange:
        m_title->setStyleSheet(QStringLiteral("* { background: #FF8000; color: #FFFFFF; }"));
        break;
    default:
        m_title->setStyleSheet(QStringLiteral("* { background: #0090CC; color: #FFFFFF; }"));
        break;
    }
}

void HeaderWidget::setVisibleSwitchPage(bool showLeft, bool showRight)
{
    m_leftPage->setVisible(showLeft);
    m_rightPage->setVisible(showRight);
}

bool HeaderWidget::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == m_leftPage)
            emit signalKeyLeftPress();
        else if (watched == m_rightPage)
            emit signalKeyRightPress();
    }
    return QFrame::eventFilter(watched, event);
}
