#ifndef LOG_EVENT_FORM_H
#define LOG_EVENT_FORM_H

#include "baseform.h"

// The event-list page below the archive menu.
class LogEventForm : public BaseForm
{
    Q_OBJECT
public:
    explicit LogEventForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // LOG_EVENT_FORM_H
