#ifndef HEADERWIDGET_H
#define HEADERWIDGET_H

#include <QFrame>

class QLabel;

// The title bar under the header: the title of the current screen between the
// two page arrows; its colour tells a blocked (red) or restarting (orange) station.
class HeaderWidget : public QFrame
{
    Q_OBJECT
public:
    enum HeaderState { Normal = 0, Red = 1, Orange = 2 };
    Q_ENUM(HeaderState)

    explicit HeaderWidget(QWidget* parent = nullptr);

    QString title() const;
    HeaderState state() const { return m_state; }
    bool isLeftVisible() const;
    bool isRightVisible() const;

public slots:
    void setTextTitle(QString text);
    void setState(HeaderState state);
    void setVisibleSwitchPage(bool showLeft, bool showRight);

signals:
    void signalKeyLeftPress();
    void signalKeyRightPress();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* m_leftPage = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_rightPage = nullptr;
    HeaderState m_state = Normal;
};

#endif // HEADERWIDGET_H
