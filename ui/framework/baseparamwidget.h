#ifndef BASEPARAMWIDGET_H
#define BASEPARAMWIDGET_H

#include <QTimer>
#include <QWidget>

class QHBoxLayout;
struct ParameterDef;

// The base of every row bound to one controller parameter: refreshes the row a
// short random time after the store reports the parameter (one refresh for a
// burst, none while hidden, at once when shown) and turns an operator's entry
// into a range-checked write request.
class BaseParamWidget : public QWidget
{
    Q_OBJECT
public:
    BaseParamWidget(unsigned short id, QWidget* parent = nullptr);

    quint16 id() const { return m_id; }
    const ParameterDef* definition() const { return m_def; }
    const QTimer* refreshTimer() const { return &m_timer; }
    bool isRefreshPending() const { return m_timer.isActive(); }

    bool setValue(float value);
    bool setValue(unsigned int value);
    bool setValue(int value);
    bool setValue(const QString& text);
    // An end with nothing typed: the stored value counts as entered again,
    // judged as setValue judges an entry and told by signalSetValue, but is
    // never written. False for a value never received or out of its range.
    bool reenterStoredValue();

    // The stored value in display units, as the row shows it.
    QString valueText(bool pad = false) const;

public slots:
    virtual void slotUpdateValue() {}
    void slotParamUpdated(quint16 id);
    void slotUpdateValueStart();

signals:
    void signalSetValue(quint16 id, quint32 value);
    void signalParamWrite(quint16 id, quint32 value);

protected:
    void showEvent(QShowEvent* event) override;
    QHBoxLayout* rowLayout() const { return m_layout; }
    bool isValid() const;

    QHBoxLayout* m_layout = nullptr;
    QTimer m_timer;
    ParameterDef* m_def = nullptr;

private:
    quint16 m_id = 0;
};

#endif // BASEPARAMWIDGET_H
