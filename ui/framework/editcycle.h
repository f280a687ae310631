#ifndef EDITCYCLE_H
#define EDITCYCLE_H

#include <QList>
#include <QString>

class QLabel;
class QWidget;

// The one cycle in which every editable row changes what it stands for:
// begin (access check, state 2, the footer's hint line given over to the
// edit), end (the row's own write; a refused entry shows the stored value
// again; an end with nothing typed writes nothing) or break (Esc, F3, loss
// of focus: the stored value shown again), and the style state of the row's
// widgets (0 normal, 1 selected, 2 editing, 3 warning, 4 warning and
// selected). A row keeps one cycle and tells it, through Steps, what its own
// field does at each step.
class EditCycle
{
public:
    class Steps
    {
    public:
        // Whether the edit still holds the focus (the field, or the open list).
        virtual bool editHasFocus() const = 0;
        // Begin, access granted: prepares the field or opens the list, and
        // gives it the focus.
        virtual void openEdit() = 0;
        // The footer's hint line while editing.
        virtual QString rangeText() const { return QString(); }
        // End: the entry as the field holds it, read while it has the focus.
        virtual QString entryText() const { return QString(); }
        // End, break or focus loss: the field's mask cleared, the list closed.
        virtual void closeEdit() {}
        // End: writes the entry; false when it is refused.
        virtual bool commitEntry(const QString& text) = 0;
        // End: whether the operator typed anything into the edit. An end
        // with nothing typed is no entry: what the field holds then may be a
        // value it could not show whole, a mask's fill or a value changed
        // meanwhile, none of them the operator's.
        virtual bool isEntryTyped() const { return true; }
        // End with nothing typed: writes nothing; whether the stored value,
        // kept as it is, would pass as an entry.
        virtual bool keepStoredValue() { return true; }
        // A refused entry, a break or a focus loss: the stored value shown
        // again (updates that came during the edit were not shown).
        virtual void undoChanges() {}
        // Tells the screen how the edit ended.
        virtual void reportEnd(bool ok) = 0;
        // Whether a focus loss of the row leaves the edit running.
        virtual bool keepsEditOnFocusLoss() const { return false; }

    protected:
        ~Steps() = default;
    };

    enum Option {
        NoOptions = 0,
        AsksAccess = 1,   // begin asks MainApplication::isAccess
        ShowsWarning = 2, // a refused entry leaves the field in the warning state
    };

    EditCycle(QWidget* row, Steps* steps, int index, int options);

    // The row's "nameLabel_": as high as the row at least, word-wrapped.
    static QLabel* createNameLabel(QWidget* row);

    // The widgets styled by the state: labels take it as it is, the field
    // shows the warning.
    void setWidgets(const QList<QWidget*>& labels, QWidget* field);

    int index() const { return m_index; }
    int state() const { return m_state; }
    bool isEditing() const { return m_editing; }
    bool isWarning() const { return m_warning; }

    void setState(int state);
    void setWarning(bool warning);

    // False when an edit runs already, access is refused, or the row was
    // destroyed while the access check ran (then nothing of it may be touched).
    bool begin(int accessId);
    // The write's result; false too when no edit was running.
    bool end();
    void breakOff();
    // The row or its field lost the focus.
    void focusLost();

private:
    // False when the row was destroyed by a receiver of the report.
    bool report(bool ok);
    void restoreFooter();

    QWidget* m_row = nullptr;
    Steps* m_steps = nullptr;
    QList<QWidget*> m_labels;
    QWidget* m_field = nullptr;
    QString m_savedInfo;
    bool m_footerSaved = false;
    int m_index = 0;
    int m_options = NoOptions;
    int m_state = 0;
    bool m_editing = false;
    bool m_warning = false;
};

#endif // EDITCYCLE_H
