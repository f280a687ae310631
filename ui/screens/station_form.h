#ifndef STATION_FORM_H
#define STATION_FORM_H

#include "baseform.h"

// The identification of the control station and of its controller, as the
// notebook keeps it.
class StationForm : public BaseForm
{
    Q_OBJECT
public:
    explicit StationForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // STATION_FORM_H
