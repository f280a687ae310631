#ifndef DATETIMEEDITWIDGET_H
#define DATETIMEEDITWIDGET_H

#include "baseeditwidget.h"

// The edit row of a date-time parameter (the station clock). Before the edit
// it offers to delete the archives, whose records would otherwise straddle
// the change of the clock; then the edit of the numeric row follows.
class DateTimeEditWidget : public BaseEditWidget
{
    Q_OBJECT
public:
    // Deletes the archives; the controller returns it to 0 when done.
    static constexpr quint16 IdDeleteArchives = 595;

    DateTimeEditWidget(unsigned short id, int index, QWidget* parent = nullptr);

    // The row whose begin runs its dialogs now, if any.
    static DateTimeEditWidget* runningBegin();

public slots:
    void slotEditingBegin() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Whether the row is still on the screen after a dialog ran.
    static bool isStillShown(const DateTimeEditWidget* row);
};

#endif // DATETIMEEDITWIDGET_H
