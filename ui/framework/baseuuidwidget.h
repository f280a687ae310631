#ifndef BASEUUIDWIDGET_H
#define BASEUUIDWIDGET_H

#include <QTimer>
#include <QVector>
#include <QWidget>

class QLabel;

// A read-only row showing a UUID held in four 32-bit parameters.
class BaseUuidWidget : public QWidget
{
    Q_OBJECT
public:
    BaseUuidWidget(unsigned short id1, unsigned short id2, unsigned short id3, unsigned short id4,
                   QWidget* parent = nullptr);

    void setName(const QString& name);

    QLabel* nameLabel() const { return m_nameLabel; }
    QLabel* valueLabel() const { return m_valueLabel; }
    const QTimer* refreshTimer() const { return &m_timer; }

    // "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX" of the four words.
    static QString uuidText(quint32 w1, quint32 w2, quint32 w3, quint32 w4);

public slots:
    void slotParamUpdated(quint16 id);
    void slotUpdateValueStart();
    void slotUpdateValue();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QVector<quint16> m_ids;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_valueLabel = nullptr;
    QTimer m_timer;
};

#endif // BASEUUIDWIDGET_H
