#ifndef TIMESTATEWIDGET_H
#define TIMESTATEWIDGET_H

#include <QTimer>
#include <QWidget>

class QLabel;

// The row of the main status screen with the current run time while the
// motor runs, or the current stop time while it stands.
class TimeStateWidget : public QWidget
{
    Q_OBJECT
public:
    explicit TimeStateWidget(QWidget* parent = nullptr);

    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* valueLabel() const { return m_valueLabel; }
    const QTimer* refreshTimer() const { return &m_timer; }

public slots:
    void slotParamUpdated(quint16 id);
    void slotUpdateValue();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTimer m_timer;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_valueLabel = nullptr;
};

#endif // TIMESTATEWIDGET_H
