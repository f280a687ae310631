#ifndef BASE_STATUS_FORM_H
#define BASE_STATUS_FORM_H

#include "baseform.h"

class BaseStatusCheckPswWidget;

// The base of the read-only status screens: cells at explicit grid positions
// that never take the cursor.
class BaseStatusForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BaseStatusForm(QWidget* parent = nullptr);

    BaseStatusWidget* addStatusNum(const QString& name, quint16 id, int row, int col, bool bits = false);
    BaseStatusWidget* addStatusNum(quint16 id, int row, int col, bool bits = false);
    BaseStatusCheckPswWidget* addStatusNumPsw(quint16 id, quint16 id2, int row, int col);
    BaseStatusTextWidget* addStatusText(const QString& name, quint16 id, const PairList& list, int row, int col,
                                        int rowSpan = 1, int colSpan = 1);
    BaseStatusTextWidget* addStatusText(quint16 id, const PairList& list, int row, int col, int rowSpan = 1,
                                        int colSpan = 1);

public slots:
    void returnBackForm() override;
};

#endif // BASE_STATUS_FORM_H
