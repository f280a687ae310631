#ifndef REGIMESWIDGET_H
#define REGIMESWIDGET_H

#include <QTimer>
#include <QVector>
#include <QWidget>

class QLabel;

// The row "Технологические режимы" of the main status screen: the running
// modes that are switched on, joined with " + ", each with its state.
class RegimesWidget : public QWidget
{
    Q_OBJECT
public:
    explicit RegimesWidget(QWidget* parent = nullptr);

    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* valueLabel() const { return m_valueLabel; }
    const QTimer* refreshTimer() const { return &m_timer; }

    // The parameters the row shows.
    static const QVector<quint16>& ids();
    // The modes for the present values of the store.
    static QString regimesText();

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

#endif // REGIMESWIDGET_H
