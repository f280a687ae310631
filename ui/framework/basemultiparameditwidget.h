#ifndef BASEMULTIPARAMEDITWIDGET_H
#define BASEMULTIPARAMEDITWIDGET_H

#include <QVector>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class LineEdit;
struct ParameterDef;

// The common part of the rows that show one value spread over several
// parameters as one text and split the operator's entry back into them (an
// address, a long number, a text): the refresh after an update of any of
// the ids, and the editing cycle of the numeric row (begin with an access
// check on the first id, end with the row's own split, break off).
class BaseMultiParamEditWidget : public QWidget
{
    Q_OBJECT
public:
    void setName(const QString& name);
    void setState(int state);
    void undoChanges();

    const QVector<quint16>& ids() const { return m_ids; }
    int index() const { return m_index; }
    int state() const { return m_state; }
    bool isEditing() const { return m_editing; }
    LineEdit* lineEdit() const { return m_edit; }
    QLabel* nameLabel() const { return m_nameLabel; }

public slots:
    void slotParamUpdated(quint16 id);
    virtual void slotUpdateValue() = 0;
    void slotEditingBegin();
    bool slotEditingEnd();
    void slotEditingBreak();

signals:
    void mousePress(int index);
    void signalParamWrite(quint16 id, quint32 value);
    void signalEditingEnd(bool isGood);

protected:
    BaseMultiParamEditWidget(const QVector<quint16>& ids, int index, QWidget* parent);

    // Writes the entry to the parameters; false when it is refused.
    virtual bool writeEntry(const QString& text) = 0;
    // What a row adds to the begin, once access is granted and before the
    // field takes the focus.
    virtual void beginEntry() {}
    // Whether a focus loss of the row leaves the edit running.
    virtual bool keepsEditOnFocusLoss() const { return false; }

    const ParameterDef* definition(int part) const;

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void focusLost();
    void restoreFooter();

    QVector<quint16> m_ids;
    QHBoxLayout* m_layout = nullptr;
    QLabel* m_nameLabel = nullptr;
    LineEdit* m_edit = nullptr;
    QString m_savedInfo;
    bool m_footerSaved = false;
    int m_index = 0;
    int m_state = 0;
    bool m_editing = false;
};

#endif // BASEMULTIPARAMEDITWIDGET_H
