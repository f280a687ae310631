#ifndef FOOTERWIDGET_H
#define FOOTERWIDGET_H

#include <QFrame>

class QLabel;

// The info line at the bottom of the window: a hint for the current screen, or
// the allowed range while a value is being edited.
class FooterWidget : public QFrame
{
    Q_OBJECT
public:
    explicit FooterWidget(QWidget* parent = nullptr);

    QString textInfo() const;

public slots:
    void setTextInfo(QString text);

private:
    QLabel* m_info = nullptr;
};

#endif // FOOTERWIDGET_H
