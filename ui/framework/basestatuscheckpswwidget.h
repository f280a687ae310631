#ifndef BASESTATUSCHECKPSWWIDGET_H
#define BASESTATUSCHECKPSWWIDGET_H

#include <QTimer>
#include <QWidget>

class QHBoxLayout;
class QLabel;
struct ParameterDef;

// A read-only cell of a downhole-sensor value that shows, in place of the
// value, that the sensor is missing or has failed, as a second parameter
// (the sensor's status) tells.
class BaseStatusCheckPswWidget : public QWidget
{
    Q_OBJECT
public:
    BaseStatusCheckPswWidget(unsigned short id, unsigned short id2, QWidget* parent = nullptr);

    void setName(const QString& name);

    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* valueLabel() const { return m_valueLabel; }
    QLabel* unitLabel() const { return m_unitLabel; }
    const QTimer* refreshTimer() const { return &m_timer; }

    // The channel label an oil company's screens show for a sensor value in
    // place of the status texts; empty for other ids.
    static QString channelLabel(unsigned short id);

public slots:
    void slotParamUpdated(quint16 id);
    void slotUpdateValueStart();
    void slotUpdateValue();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_nameLabel = nullptr;
    QLabel* m_valueLabel = nullptr;
    QLabel* m_unitLabel = nullptr;
    QHBoxLayout* m_layout = nullptr;
    QTimer m_timer;
    unsigned short m_id = 0;
    unsigned short m_id2 = 0;
    ParameterDef* m_def = nullptr;
};

#endif // BASESTATUSCHECKPSWWIDGET_H
