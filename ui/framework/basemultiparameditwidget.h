#ifndef BASEMULTIPARAMEDITWIDGET_H
#define BASEMULTIPARAMEDITWIDGET_H

#include "editcycle.h"

#include <QVector>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class LineEdit;
class Parameters;
struct ParameterDef;

// The common part of the rows that show one value spread over several
// parameters as one text and split the operator's entry back into them (an
// address, a long number, a text): the refresh after an update of any of
// the ids, and the editing cycle of the numeric row (begin with an access
// check on the first id, end with the row's own split in commitEntry, an end
// with nothing typed writing none of the parts, break off, a refused end
// shown in the warning state).
class BaseMultiParamEditWidget : public QWidget, protected EditCycle::Steps
{
    Q_OBJECT
public:
    void setName(const QString& name);
    void setState(int state) { m_cycle.setState(state); }
    void setWarning(bool warning) { m_cycle.setWarning(warning); }
    bool isWarning() const { return m_cycle.isWarning(); }
    void undoChanges() override { slotUpdateValue(); }

    const QVector<quint16>& ids() const { return m_ids; }
    int index() const { return m_cycle.index(); }
    int state() const { return m_cycle.state(); }
    bool isEditing() const { return m_cycle.isEditing(); }
    LineEdit* lineEdit() const { return m_edit; }
    QLabel* nameLabel() const { return m_nameLabel; }

public slots:
    void slotParamUpdated(quint16 id);
    // Does nothing while the field is edited: the field belongs to the operator.
    void slotUpdateValue();
    void slotEditingBegin();
    bool slotEditingEnd();
    void slotEditingBreak();

signals:
    void mousePress(int index);
    void signalParamWrite(quint16 id, quint32 value);
    void signalEditingEnd(bool isGood);

protected:
    BaseMultiParamEditWidget(const QVector<quint16>& ids, int index, QWidget* parent);

    // Shows the parts' values as one text in the field.
    virtual void showValue(Parameters& parameters) = 0;
    // What a row adds to the begin, once access is granted and before the
    // field takes the focus.
    virtual void beginEntry() {}

    const ParameterDef* definition(int part) const;
    // Whether the controller reported the part's value.
    bool isReceived(int part) const;

    // End: the field's own keys; a row typed on elsewhere adds its own.
    bool isEntryTyped() const override;
    // End with nothing typed: good when every part was received.
    bool keepStoredValue() override;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool editHasFocus() const override;
    void openEdit() override;
    QString entryText() const override;
    void reportEnd(bool ok) override { emit signalEditingEnd(ok); }

    QVector<quint16> m_ids;
    QHBoxLayout* m_layout = nullptr;
    QLabel* m_nameLabel = nullptr;
    LineEdit* m_edit = nullptr;
    EditCycle m_cycle;
};

#endif // BASEMULTIPARAMEDITWIDGET_H
